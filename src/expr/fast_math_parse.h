#pragma once
// THIFastMathParse: a fixed formula, compiled to x87 code on the first calculation; later calculations
// only gather the inputs and run the code.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "expr/code_generator.h"
#include "runtime/element.h"
#include "runtime/point.h"

namespace lr {

class THIFastMathParse : public Element {
  public:
    explicit THIFastMathParse(std::size_t dataCount) : X(dataCount) {}

    // Keeps an already generated routine (the text is only assigned before the first calculation).
    void setFormula(std::string_view text);
    // Also marks the result as valid, so Result and %0 read it before any calculation.
    void setDefault(double value);
    int ResultType = 0;  // 0 integer (nearest, halves to even), 1 real

    std::vector<Point> X;  // X1..XDataCount
    Point onResult;
    Point onListing;

    void doCalc(TData& data);
    void Result(TData& data);

    // The machine code of the routine; empty until a calculation generated it.
    std::string_view code() const {
        return compiled_ ? std::string_view(compiled_->code) : std::string_view();
    }

  private:
    void generate();
    void gather(TData& data);

    std::string formula_ = "\x01";
    std::optional<CompiledFormula> compiled_;
    double lastResult_ = 0.0;
    bool valid_ = false;  // the state word: the last result is valid
};

}  // namespace lr
