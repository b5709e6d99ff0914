#include "expr/fast_math_parse.h"

#include "runtime/error.h"

namespace lr {

void THIFastMathParse::setFormula(std::string_view text) {
    formula_.assign(text);
    formula_ += '\x01';
}

void THIFastMathParse::setDefault(double value) {
    lastResult_ = value;
    valid_ = true;
}

// A formula that fails keeps no routine: the next calculation generates (and fails) again.
void THIFastMathParse::generate() {
    compiled_ = compileFormula(formula_, X, [this](const std::string& line) { fireString(onListing, line); });
}

void THIFastMathParse::gather(TData& data) {
    std::vector<double>& slots = compiled_->data;
    const std::vector<std::int32_t>& map = compiled_->slotMap;
    if (map[0] >= 0) slots[static_cast<std::size_t>(map[0])] = toReal(data);
    for (std::size_t k = 1; k < map.size(); ++k) {
        if (map[k] < 0) continue;
        TData value;
        read(X[k - 1], value);
        if (isNull(value)) throw ElementError(error::NoData);
        slots[static_cast<std::size_t>(map[k])] = toReal(value);
    }
}

void THIFastMathParse::doCalc(TData& data) {
    valid_ = false;
    if (!compiled_) generate();
    gather(data);
    lastResult_ = compiled_->routine.run(compiled_->data, lastResult_);
    valid_ = true;
    TData out;
    Result(out);
    fire(onResult, out);
}

void THIFastMathParse::Result(TData& data) {
    if (!valid_) {
        data = makeNull();
    } else {
        data = ResultType == 0 ? makeInteger(roundToInt(lastResult_)) : makeReal(lastResult_);
    }
}

}  // namespace lr
