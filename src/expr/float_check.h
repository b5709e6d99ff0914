#pragma once
// Floating-point faults of the formula engines. The arithmetic never traps: every result is checked
// and a fault is raised as the runtime's error with the code the floating-point unit would report.
#include <cmath>
#include <cstdint>

#include "runtime/error.h"

namespace lr::fpu {

inline constexpr int ZeroDivide = 200;
inline constexpr int Overflow = 205;
inline constexpr int Invalid = 207;

bool isFloatError(int code);
[[noreturn]] void raise(int code);

// The value itself when finite; NaN is an invalid operation, an infinity an overflow.
template <class T>
T checked(T v) {
    if (std::isnan(v)) raise(Invalid);
    if (std::isinf(v)) raise(Overflow);
    return v;
}

template <class T>
T divide(T a, T b) {
    if (b == 0) raise(a == 0 || std::isnan(a) ? Invalid : ZeroDivide);
    return checked(a / b);
}

// Nearest 64-bit integer, halves to even; a value out of range is an invalid operation.
std::int64_t toInt64(double v);

}  // namespace lr::fpu
