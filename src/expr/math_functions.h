#pragma once
// The built-in functions of the interpreter's language and its power operator.
#include <cstdint>
#include <span>
#include <string_view>

namespace lr {

enum class Builtin : std::uint8_t {
    Cos,
    Sin,
    Tg,
    Ctg,
    ArcCos,
    ArcSin,
    ArcTg,
    ArcCtg,
    Ch,
    Sh,
    Th,
    Cth,
    ArcCh,
    ArcSh,
    ArcTh,
    ArcCth,
    Lg,
    Ln,
    Exp,
    Sqr,
    Sqrt,
    Abs,
    Sign,
    Odd,
    Even,
    Frac,
    Trunc,
    Round,
    Floor,
    Ceil,
    Log,
    Atan,
    Min,
    Max,
};

struct BuiltinInfo {
    std::string_view name;
    Builtin id;
    std::uint8_t minArgs;
    std::uint8_t maxArgs;  // 0: no limit
};

// The function of that name (ASCII case ignored), or null.
const BuiltinInfo* findBuiltin(std::string_view name);
// "and", "or", "xor", "not", "div", "mod": words of the grammar, never names.
bool isOperatorWord(std::string_view name);

// `angle` is the factor that turns the formula's angles into radians.
double callBuiltin(Builtin f, std::span<const double> args, double angle);
// x^y: an integral exponent by repeated squaring, any other through logarithms.
double power(double x, double y);

}  // namespace lr
