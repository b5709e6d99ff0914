#include "expr/float_check.h"

namespace lr::fpu {

bool isFloatError(int code) {
    return code == ZeroDivide || code == Overflow || code == Invalid;
}

void raise(int code) {
    throw ElementError(code);
}

std::int64_t toInt64(double v) {
    const double r = std::nearbyint(v);
    // 2^63 itself is out of range; -2^63 is the lowest integer.
    if (!(r >= -9223372036854775808.0 && r < 9223372036854775808.0)) raise(Invalid);
    return static_cast<std::int64_t>(r);
}

}  // namespace lr::fpu
