#include "expr/math_element.h"

#include <optional>

#include "expr/float_check.h"

namespace lr {

void THIMath::setDefault(double value) {
    default_ = value;
    result_ = value;
}

// `op` gives the result, or nothing for a zero divisor.
template <class Op>
void THIMath::calculate(TData& data, Op op) {
    const double a = readReal(data, Op1, Op1_);
    const double b = readReal(data, Op2, Op2_);
    const std::optional<double> r = op(a, b);
    if (!r) return zeroDivision();
    result_ = fpu::checked(*r);
    empty_ = false;
    TData out;
    Result(out);
    fire(onResult, out);
}

void THIMath::zeroDivision() {
    result_ = default_;
    empty_ = true;
    fireNull(onZeroDiv);
}

void THIMath::doAdd(TData& data) {
    calculate(data, [](double a, double b) { return std::optional(a + b); });
}
void THIMath::doSub(TData& data) {
    calculate(data, [](double a, double b) { return std::optional(a - b); });
}
void THIMath::doMul(TData& data) {
    calculate(data, [](double a, double b) { return std::optional(a * b); });
}
void THIMath::doDiv(TData& data) {
    calculate(data, [](double a, double b) { return b == 0 ? std::nullopt : std::optional(a / b); });
}
void THIMath::doXor(TData& data) {
    calculate(data, [](double a, double b) {
        return std::optional(static_cast<double>(fpu::toInt64(a) ^ fpu::toInt64(b)));
    });
}
void THIMath::doIntDiv(TData& data) {
    calculate(data, [](double a, double b) -> std::optional<double> {
        const std::int64_t x = fpu::toInt64(a);
        const std::int64_t y = fpu::toInt64(b);
        if (y == 0) return std::nullopt;
        // -2^63 div -1 has no 64-bit answer; the negation as a double has.
        return y == -1 ? -static_cast<double>(x) : static_cast<double>(x / y);
    });
}

void THIMath::Result(TData& data) {
    if (empty_) {
        data = makeNull();
    } else {
        data = ResultType == 0 ? makeInteger(roundToInt(result_)) : makeReal(result_);
    }
}

}  // namespace lr
