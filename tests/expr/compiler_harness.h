#pragma once
// Runs one formula through the compiler with connected inputs and records listing and results.
#include <deque>
#include <string>
#include <vector>

#include "expr/fast_math_parse.h"
#include "recorder.h"
#include "runtime/error.h"

class CompilerHarness {
  public:
    explicit CompilerHarness(const std::string& formula, const std::vector<double>& inputs,
                             int resultType = 1)
        : compiler(inputs.size()) {
        for (double v : inputs)
            sources.emplace_back(lr::makeReal(v));
        for (std::size_t i = 0; i < sources.size(); ++i)
            compiler.X[i] = sources[i].point();
        compiler.setFormula(formula);
        compiler.ResultType = resultType;
        compiler.onResult = results.point();
        compiler.onListing = listing.point();
    }

    // The result of one calculation; throws the element's error.
    double calc(lr::TData data = {}) {
        results.values.clear();
        compiler.doCalc(data);
        return lr::toReal(results.values.at(0));
    }
    // The error code of one calculation, 0 when it succeeded.
    int errorOf(lr::TData data = {}) {
        try {
            compiler.doCalc(data);
        } catch (const lr::ElementError& e) {
            return e.code();
        }
        return 0;
    }

    std::deque<Source> sources;
    lr::THIFastMathParse compiler;
    Recorder results;
    Recorder listing;
};
