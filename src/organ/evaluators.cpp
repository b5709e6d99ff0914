#include "organ/evaluators.h"

#include <algorithm>
#include <cmath>

#include "organ/key_list.h"

namespace lr {

namespace {
constexpr double kTopLevel = 8.0;
constexpr double kRandomMax = 360.0;
}  // namespace

FormulaEvaluator::FormulaEvaluator(ui::Control* parent, TClassMultiBase* owner, THIMultiElementEx& outer)
    : TClassMultiBase(parent, owner),
      edge_(make<THIEditMultiEx>(outer, 1, 0)),
      random_(make<THIRandom>()),
      parse_(make<THIMathParse>(kEvaluatorArguments)) {
    random_.Min = 0.0;
    random_.Max = kRandomMax;
    parse_.setFormula("%0");
    parse_.ResultType = 1;
    parse_.setDefault(0.0);
    join(edge_);

    edge_.inputs[0] = bind<&FormulaEvaluator::evaluate>(*this);
    formula_ = bind<&THIEditMultiEx::dataInput>(edge_, kEvaluatorFormulaInput);
    error_ = output(kEvaluatorError);
    const auto keys = static_cast<int>(organ::keyList().size());
    for (int argument = 1; argument < keys && argument <= static_cast<int>(kEvaluatorArguments); ++argument) {
        parse_.X[static_cast<std::size_t>(argument - 1)] =
            argument == organ::ownRandomArgument()
                ? bind<&THIRandom::Random>(random_)
                : bind<&THIEditMultiEx::dataInput>(edge_, static_cast<std::uint16_t>(argument));
    }
    parse_.onError = bind<&FormulaEvaluator::failed>(*this);
}

// The formula is handed over anew each time, so a scheme change counts from the next evaluation.
void FormulaEvaluator::evaluate(TData&) {
    TData formula;
    read(formula_, formula);
    parse_.doFormula(formula);
    TData draw;
    random_.doRandom(draw);
    TData calculation;
    parse_.doCalc(calculation);
}

void FormulaEvaluator::failed(TData& data) {
    const TextPosition at = parse_.errorPosition();
    TData report = makeInteger(toInteger(data));
    append(report, makeInteger(at.line));
    append(report, makeInteger(at.column));
    fire(error_, report);
}

TClassMultiElementEx_1EFC0A0::TClassMultiElementEx_1EFC0A0(ui::Control* parent, TClassMultiBase* owner,
                                                           THIMultiElement& outer)
    : TClassMultiBase(parent, owner), edge_(make<THIEditMulti>(outer, 1, 0)) {
    join(edge_);
    edge_.inputs[0] = bind<&TClassMultiElementEx_1EFC0A0::clip>(*this);
    clipped_ = bind<&THIEditMulti::output>(edge_, 0);
}

// Rounded (halves to even) and clipped as a real, so that a result beyond the integer range still gives
// 8 or 0 instead of a wrapped-around level.
void TClassMultiElementEx_1EFC0A0::clip(TData& data) {
    const double level = std::clamp(std::nearbyint(toReal(data)), 0.0, kTopLevel);
    forwardInteger(data, clipped_, static_cast<std::int32_t>(level));
}

TClassMultiElementEx_1EFD8B0::TClassMultiElementEx_1EFD8B0(ui::Control* parent, TClassMultiBase* owner,
                                                           THIMultiElementEx& outer)
    : FormulaEvaluator(parent, owner, outer), clip_(make<THIMultiElement>(parent, this, 1, 0)) {
    parse().onResult = bind<&THIMultiElement::doWork>(clip_, 0);
    clip_.outputs[0] = output(kEvaluatorResult);
    clip_.setCreate([&clip = clip_](ui::Control* p, TClassMultiBase* o) {
        return std::make_unique<TClassMultiElementEx_1EFC0A0>(p, o, clip);
    });
}

TClassMultiElementEx_2A5B9D0::TClassMultiElementEx_2A5B9D0(ui::Control* parent, TClassMultiBase* owner,
                                                           THIMultiElementEx& outer)
    : FormulaEvaluator(parent, owner, outer) {
    parse().onResult = output(kEvaluatorResult);
}

}  // namespace lr
