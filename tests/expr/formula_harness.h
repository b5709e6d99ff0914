#pragma once
// Runs one formula through the interpreter with connected inputs and records the outcome.
#include <deque>
#include <string>
#include <vector>

#include "expr/math_parse.h"
#include "recorder.h"

struct Outcome {
    bool ok = false;
    double value = 0.0;
    int errorIndex = -1;
    int line = 0;
    int column = 0;
};

class FormulaHarness {
  public:
    explicit FormulaHarness(const std::vector<double>& inputs, std::size_t dataCount = 0)
        : parse(dataCount ? dataCount : std::max<std::size_t>(inputs.size(), 1)) {
        for (double v : inputs)
            sources.emplace_back(lr::makeReal(v));
        for (std::size_t i = 0; i < sources.size(); ++i)
            parse.X[i] = sources[i].point();
        parse.onResult = results.point();
        parse.onError = errors.point();
    }

    Outcome run(const std::string& formula, lr::TData data = {}) {
        parse.setFormula(formula);
        results.values.clear();
        errors.values.clear();
        parse.doCalc(data);
        Outcome o;
        o.ok = !results.values.empty();
        if (o.ok) o.value = lr::toReal(results.values.back());
        if (!errors.values.empty()) {
            o.errorIndex = errors.values.back().intValue;
            o.line = parse.errorPosition().line;
            o.column = parse.errorPosition().column;
        }
        return o;
    }

    std::deque<Source> sources;
    lr::THIMathParse parse;
    Recorder results;
    Recorder errors;
};
