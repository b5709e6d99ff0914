// Costs of the formula engines: the interpreter on a translated scheme formula (re-parsed at every
// evaluation, as the colour organ does), and the compiler's routine on an Ambilight scaling formula.
#include <benchmark/benchmark.h>

#include <deque>
#include <string>
#include <vector>

#include "expr/fast_math_parse.h"
#include "expr/math_parse.h"
#include "expr/x87_machine.h"
#include "runtime/point.h"

namespace {

struct Value : lr::Element {
    lr::TData value;
    void get(lr::TData& d) { d = value; }
};

struct Sink : lr::Element {
    double sum = 0;
    void take(lr::TData& d) { sum += lr::toReal(d); }
};

// Inputs 1..59 connected, as the colour organ's channel evaluator has them.
void connectSchemeInputs(std::deque<Value>& values, lr::THIMathParse& parse) {
    for (std::size_t k = 1; k <= 59; ++k) {
        Value& v = values.emplace_back();
        v.value = k % 2 ? lr::makeReal(0.047 * static_cast<double>(k)) : lr::makeInteger(static_cast<int>(k));
        parse.X[k - 1] = lr::bind<&Value::get>(v);
    }
}

void BM_InterpreterSchemeFormula(benchmark::State& state) {
    lr::installDispatch();
    std::deque<Value> values;
    lr::THIMathParse parse(61);
    connectSchemeInputs(values, parse);
    Sink sink;
    parse.onResult = lr::bind<&Sink::take>(sink);
    parse.ResultType = 0;
    const lr::TData formula = lr::makeString("(%1*%18/4+%43)*(%14 mod 3 = 0)");
    for (auto _ : state) {
        lr::TData text = formula;
        parse.doFormula(text);
        lr::TData none;
        parse.doCalc(none);
    }
    benchmark::DoNotOptimize(sink.sum);
}
BENCHMARK(BM_InterpreterSchemeFormula);

void BM_CompiledFormula(benchmark::State& state) {
    lr::installDispatch();
    Value balance, component;
    balance.value = lr::makeInteger(64);
    component.value = lr::makeInteger(100);
    lr::THIFastMathParse compiler(2);
    compiler.X[0] = lr::bind<&Value::get>(balance);
    compiler.X[1] = lr::bind<&Value::get>(component);
    compiler.setFormula("%2 / (%1/8)");
    Sink sink;
    compiler.onResult = lr::bind<&Sink::take>(sink);
    lr::TData none;
    compiler.doCalc(none);  // generates the routine
    for (auto _ : state) {
        lr::TData data;
        compiler.doCalc(data);
    }
    benchmark::DoNotOptimize(sink.sum);
}
BENCHMARK(BM_CompiledFormula);

// Connected inputs, each with a slot of its own.
std::vector<lr::Point> connectedInputs(Value& value, std::size_t count) {
    return std::vector<lr::Point>(count, lr::bind<&Value::get>(value));
}

void BM_CompiledRoutineOnly(benchmark::State& state) {
    Value value;
    lr::CompiledFormula f = lr::compileFormula("%2 / (%1/8)\x01", connectedInputs(value, 2), {});
    f.data[0] = 100;
    for (auto _ : state) {
        f.data[1] = 64;
        benchmark::DoNotOptimize(f.routine.run(f.data, 0.0));
    }
}
BENCHMARK(BM_CompiledRoutineOnly);

void BM_CompileFormula(benchmark::State& state) {
    Value value;
    const std::vector<lr::Point> inputs = connectedInputs(value, 3);
    for (auto _ : state)
        benchmark::DoNotOptimize(lr::compileFormula("%1 + %2*256 + %3*65536\x01", inputs, {}).code.size());
}
BENCHMARK(BM_CompileFormula);

}  // namespace
