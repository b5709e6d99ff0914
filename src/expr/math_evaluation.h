#pragma once
// One calculation of the interpreter: recursive descent over the formula text, directly on doubles.
#include <cstdint>
#include <string_view>

#include "expr/math_functions.h"
#include "expr/math_scanner.h"
#include "runtime/tdata.h"

namespace lr {

// Deeper nesting of parentheses, arguments and indexes is a syntax error, so no formula can exhaust the
// stack.
inline constexpr int kMaxFormulaNesting = 256;

struct FormulaSettings {
    double current = 0.0;      // %0
    double angleFactor = 1.0;  // turns the formula's angles into radians
    std::uint32_t dataCount = 0;
    std::uint32_t functionInput = 0;  // 0: none
};

// The inputs a formula reads.
class FormulaInputs {
  public:
    // Input k (1..dataCount) as read once per calculation.
    virtual const TData& input(std::uint32_t k) = 0;
    // Pulls input k with `request` (a multi-data list), which becomes the answer.
    virtual void call(std::uint32_t k, TData& request) = 0;

  protected:
    ~FormulaInputs() = default;
};

class MathEvaluation {
  public:
    // `text` ends with the end mark.
    MathEvaluation(std::string_view text, const FormulaSettings& settings, FormulaInputs& inputs)
        : scanner_(text), settings_(settings), inputs_(inputs) {}

    // The value of the formula; raises the runtime's error (34 syntax, anything else a calculation error).
    double run();
    // 0-based offset of the token an error was raised at.
    std::size_t errorOffset() const { return blamed_ ? blamedOffset_ : scanner_.token().pos; }

  private:
    double logic();
    double comparison();
    double sum();
    double product();
    double powers();
    double bitwise();
    double primary();
    double atom();
    double parenthesised();
    double inputAtom();
    double indexed(const TData& value);
    double called(std::uint32_t k);
    double named();
    double builtin(const BuiltinInfo& info);
    double external(std::string_view name, std::size_t at);
    double expression();  // a nested expression: counts towards the nesting limit
    void appendArguments(TData& list);
    void expect(Tok kind);
    bool atWord(std::string_view word) const;
    [[noreturn]] void syntaxError();
    [[noreturn]] void syntaxErrorAt(std::size_t offset);

    MathScanner scanner_;
    const FormulaSettings& settings_;
    FormulaInputs& inputs_;
    int nesting_ = 0;
    bool blamed_ = false;
    std::size_t blamedOffset_ = 0;
};

}  // namespace lr
