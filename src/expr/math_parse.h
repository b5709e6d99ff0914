#pragma once
// THIMathParse: the formula interpreter. The formula is parsed anew at every calculation; every error
// is caught and reported with its line and column.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "expr/math_evaluation.h"
#include "expr/math_report.h"
#include "runtime/element.h"
#include "runtime/point.h"

namespace lr {

class THIMathParse : public Element, private FormulaInputs {
  public:
    explicit THIMathParse(std::size_t dataCount);

    void setFormula(std::string_view text);
    void setDefault(double value);
    int ResultType = 1;  // 1 real, 0 integer (nearest, halves to even)
    int AngleMode = 0;   // 0 radians, 1 degrees
    std::uint32_t FunctionInput = 0;

    std::vector<Point> X;  // X1..XDataCount
    Point onResult;
    Point onError;

    void doCalc(TData& data);
    void doFormula(TData& data);
    void Result(TData& data);

    // -1 none, 0 syntax, 1 calculation.
    int errorIndex() const { return errorIndex_; }
    TextPosition errorPosition() const;

  private:
    struct CachedInput {
        TData value;
        std::uint64_t calculation = 0;
    };

    const TData& input(std::uint32_t k) override;
    void call(std::uint32_t k, TData& request) override;
    TData nextEventItem();
    FormulaSettings settings() const;
    void fail(int index, std::size_t offset);
    void report();

    std::string formula_;  // ends with the end mark
    double default_ = 0.0;
    double result_ = 0.0;
    int errorIndex_ = -1;
    std::size_t errorOffset_ = 0;
    bool reportOpen_ = false;
    std::vector<CachedInput> cache_;
    std::uint64_t calculation_ = 0;
    const TData* eventItem_ = nullptr;
};

}  // namespace lr
