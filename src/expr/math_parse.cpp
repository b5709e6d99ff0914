#include "expr/math_parse.h"

#include "runtime/error.h"
#include "runtime/report.h"

namespace lr {

namespace {
constexpr char kEndMark = '\x01';
constexpr double kDegree = 0.017453292519943295;
}  // namespace

THIMathParse::THIMathParse(std::size_t dataCount) : X(dataCount), formula_(1, kEndMark), cache_(dataCount) {}

void THIMathParse::setFormula(std::string_view text) {
    formula_.assign(text);
    formula_ += kEndMark;
}

void THIMathParse::setDefault(double value) {
    default_ = value;
    result_ = value;
}

FormulaSettings THIMathParse::settings() const {
    FormulaSettings s;
    s.current = result_;
    s.angleFactor = AngleMode == 1 ? kDegree : 1.0;
    s.dataCount = static_cast<std::uint32_t>(X.size());
    s.functionInput = FunctionInput;
    return s;
}

void THIMathParse::doCalc(TData& data) {
    ++calculation_;
    eventItem_ = &data;
    if (errorIndex_ >= 0) result_ = default_;
    const FormulaSettings s = settings();
    MathEvaluation evaluation(formula_, s, *this);
    try {
        result_ = evaluation.run();
    } catch (const ElementError& e) {
        eventItem_ = nullptr;
        fail(e.code() == error::Syntax ? kSyntaxErrorIndex : kCalculationErrorIndex,
             evaluation.errorOffset());
        return;
    }
    eventItem_ = nullptr;
    errorIndex_ = -1;
    TData out;
    Result(out);
    fire(onResult, out);
}

void THIMathParse::doFormula(TData& data) {
    if (!isNull(data)) setFormula(toString(data));
}

void THIMathParse::Result(TData& data) {
    if (errorIndex_ >= 0) {
        data = makeNull();
        data.intValue = errorIndex_;
        data.text = "MathParse Exception";
    } else {
        data = ResultType == 0 ? makeInteger(roundToInt(result_)) : makeReal(result_);
    }
}

TextPosition THIMathParse::errorPosition() const {
    return lineColumn(formula_, errorOffset_);
}

const TData& THIMathParse::input(std::uint32_t k) {
    CachedInput& c = cache_[k - 1];
    if (c.calculation != calculation_) {
        c.calculation = calculation_;
        const Point& point = X[k - 1];
        if (point.connected()) {
            c.value = makeNull();
            read(point, c.value);
        } else {
            c.value = nextEventItem();
        }
    }
    return c.value;
}

void THIMathParse::call(std::uint32_t k, TData& request) {
    read(X[k - 1], request);
}

// Unconnected inputs take the items of the calculation's data in the order they are first read.
TData THIMathParse::nextEventItem() {
    if (!eventItem_ || isNull(*eventItem_)) return makeNull();
    TData item = copySingle(*eventItem_);
    eventItem_ = eventItem_->next.get();
    return item;
}

void THIMathParse::fail(int index, std::size_t offset) {
    errorIndex_ = index;
    errorOffset_ = offset;
    if (onError.connected()) {
        fireInteger(onError, index);
    } else {
        report();
    }
}

// One box at a time: errors raised while the box is open (timers keep running behind it) are not shown.
void THIMathParse::report() {
    if (reportOpen_) return;
    reportOpen_ = true;
    struct Close {
        bool& open;
        ~Close() { open = false; }
    } close{reportOpen_};
    showReport({.text = errorReport(errorIndex_, errorPosition()), .caption = "String-Debug"});
}

}  // namespace lr
