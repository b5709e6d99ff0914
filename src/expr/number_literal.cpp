#include "expr/number_literal.h"

#include <cstdint>

#include "expr/float_check.h"
#include "runtime/tdata.h"

namespace lr {

namespace {

struct Parts {
    std::string_view mantissa;
    std::string_view exponent;  // digits only
    bool negativeExponent = false;
};

Parts split(std::string_view text) {
    Parts p;
    const std::size_t e = text.find_first_of("eE");
    p.mantissa = text.substr(0, e);
    if (e == std::string_view::npos) return p;
    std::string_view rest = text.substr(e + 1);
    if (!rest.empty() && (rest[0] == '+' || rest[0] == '-')) {
        p.negativeExponent = rest[0] == '-';
        rest.remove_prefix(1);
    }
    while (rest.size() > 1 && rest[0] == '0')
        rest.remove_prefix(1);
    p.exponent = rest;
    return p;
}

// Decimal magnitude of the mantissa: the power of ten of its first non-zero digit, plus one;
// nothing when every digit is zero.
bool mantissaMagnitude(std::string_view mantissa, std::int64_t& magnitude) {
    const std::size_t point = mantissa.find('.');
    const std::size_t integral = point == std::string_view::npos ? mantissa.size() : point;
    for (std::size_t i = 0; i < mantissa.size(); ++i) {
        if (mantissa[i] < '1' || mantissa[i] > '9') continue;
        magnitude = i < integral ? static_cast<std::int64_t>(integral - i)
                                 : -static_cast<std::int64_t>(i - integral - 1);
        return true;
    }
    return false;
}

}  // namespace

double literalValue(std::string_view text) {
    const Parts parts = split(text);
    std::int64_t magnitude = 0;
    if (!mantissaMagnitude(parts.mantissa, magnitude)) return 0.0;
    // Exponents beyond five digits are out of any range; the number text rule would wrap them.
    if (parts.exponent.size() > 5) {
        if (parts.negativeExponent) return 0.0;
        fpu::raise(fpu::Overflow);
    }
    const double value = parseReal(text);
    if (value != 0.0) return value;
    // The rule reads a number out of range as 0: tell overflow from underflow by the magnitude.
    const std::int64_t exponent = parseInteger(parts.exponent);
    if (magnitude + (parts.negativeExponent ? -exponent : exponent) > 0) fpu::raise(fpu::Overflow);
    return 0.0;
}

}  // namespace lr
