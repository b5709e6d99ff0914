#pragma once
// The value of a decimal number written in a formula.
#include <string_view>

namespace lr {

// `text` is digits, an optional "." and digits, and an optional exponent ("e" or "E", an optional sign,
// digits), without blanks. Converted by the runtime's number text rule; a number too large for a
// double raises the overflow error instead of reading as 0, a number too small reads as 0.
double literalValue(std::string_view text);

}  // namespace lr
