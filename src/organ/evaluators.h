#pragma once
// The formula evaluators of the colour organ, one instance per channel or extra variable.
// Input 0 evaluates once: the formula is read from data input 0 and handed to the interpreter, the
// evaluator's own random value is drawn, and the interpreter calculates. Data inputs 1..59 are the
// shared values of the key list (the own random value excepted). Output 0 carries the result; output 1
// a failed calculation as (error index, line, column).
#include "expr/math_parse.h"
#include "runtime/container.h"
#include "runtime/elements/numbers.h"
#include "runtime/multi_element.h"
#include "runtime/multi_element_ex.h"

namespace lr {

inline constexpr std::size_t kEvaluatorArguments = 61;  // the last two are not connected
inline constexpr std::uint16_t kEvaluatorFormulaInput = 0;
inline constexpr std::uint16_t kEvaluatorResult = 0;
inline constexpr std::uint16_t kEvaluatorError = 1;

class FormulaEvaluator : public TClassMultiBase {
  protected:
    // The interpreter's result is real for both kinds; a channel's level clip does the rounding.
    FormulaEvaluator(ui::Control* parent, TClassMultiBase* owner, THIMultiElementEx& outer);
    THIMathParse& parse() { return parse_; }
    Point output(std::uint16_t index) { return bind<&THIEditMultiEx::output>(edge_, index); }

  private:
    void evaluate(TData& data);
    void failed(TData& data);

    THIEditMultiEx& edge_;
    THIRandom& random_;
    THIMathParse& parse_;
    Point formula_;
    Point error_;
};

// A level 0..8: the nearest integer (halves to even), above 8 becomes 8, then below 0 becomes 0.
// Input 0 in, output 0 out.
class TClassMultiElementEx_1EFC0A0 : public TClassMultiBase {
  public:
    TClassMultiElementEx_1EFC0A0(ui::Control* parent, TClassMultiBase* owner, THIMultiElement& outer);

  private:
    void clip(TData& data);

    THIEditMulti& edge_;
    Point clipped_;
};

// Channel evaluator: the result as a level.
class TClassMultiElementEx_1EFD8B0 : public FormulaEvaluator {
  public:
    TClassMultiElementEx_1EFD8B0(ui::Control* parent, TClassMultiBase* owner, THIMultiElementEx& outer);

  private:
    THIMultiElement& clip_;
};

// Extra-variable evaluator: real result, unclipped.
class TClassMultiElementEx_2A5B9D0 : public FormulaEvaluator {
  public:
    TClassMultiElementEx_2A5B9D0(ui::Control* parent, TClassMultiBase* owner, THIMultiElementEx& outer);
};

}  // namespace lr
