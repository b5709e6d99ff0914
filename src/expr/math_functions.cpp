#include "expr/math_functions.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "expr/float_check.h"
#include "runtime/strings.h"

namespace lr {

namespace {

using fpu::checked;
using fpu::divide;

constexpr std::array<BuiltinInfo, 34> kBuiltins{{
    {"cos", Builtin::Cos, 1, 1},       {"sin", Builtin::Sin, 1, 1},       {"tg", Builtin::Tg, 1, 1},
    {"ctg", Builtin::Ctg, 1, 1},       {"arccos", Builtin::ArcCos, 1, 1}, {"arcsin", Builtin::ArcSin, 1, 1},
    {"arctg", Builtin::ArcTg, 1, 1},   {"arcctg", Builtin::ArcCtg, 1, 1}, {"ch", Builtin::Ch, 1, 1},
    {"sh", Builtin::Sh, 1, 1},         {"th", Builtin::Th, 1, 1},         {"cth", Builtin::Cth, 1, 1},
    {"arcch", Builtin::ArcCh, 1, 1},   {"arcsh", Builtin::ArcSh, 1, 1},   {"arcth", Builtin::ArcTh, 1, 1},
    {"arccth", Builtin::ArcCth, 1, 1}, {"lg", Builtin::Lg, 1, 1},         {"ln", Builtin::Ln, 1, 1},
    {"exp", Builtin::Exp, 1, 1},       {"sqr", Builtin::Sqr, 1, 1},       {"sqrt", Builtin::Sqrt, 1, 1},
    {"abs", Builtin::Abs, 1, 1},       {"sign", Builtin::Sign, 1, 1},     {"odd", Builtin::Odd, 1, 1},
    {"even", Builtin::Even, 1, 1},     {"frac", Builtin::Frac, 1, 2},     {"trunc", Builtin::Trunc, 1, 2},
    {"round", Builtin::Round, 1, 2},   {"floor", Builtin::Floor, 1, 2},   {"ceil", Builtin::Ceil, 1, 2},
    {"log", Builtin::Log, 2, 2},       {"atan", Builtin::Atan, 2, 2},     {"min", Builtin::Min, 2, 0},
    {"max", Builtin::Max, 2, 0},
}};

constexpr std::array<std::string_view, 6> kOperatorWords{"and", "or", "xor", "not", "div", "mod"};

bool sameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && compareIgnoringCase(a, b) == 0;
}

double logarithm(double x, bool decimal = false) {
    if (x == 0) fpu::raise(fpu::ZeroDivide);
    return checked(decimal ? std::log10(x) : std::log(x));
}

// frac, trunc, round, floor and ceil on x/s, scaled back by s.
double stepped(Builtin f, double x, double s) {
    if (s == 0) return f == Builtin::Frac ? 0.0 : x;
    const double q = divide(x, s);
    double r = 0;
    switch (f) {
        case Builtin::Frac:
            r = q - std::trunc(q);
            break;
        case Builtin::Trunc:
            r = std::trunc(q);
            break;
        case Builtin::Round:
            r = std::nearbyint(q);
            break;
        case Builtin::Floor:
            r = std::floor(q);
            break;
        default:
            r = std::ceil(q);
            break;
    }
    return checked(r * s);
}

double angular(Builtin f, double x, double k) {
    switch (f) {
        case Builtin::Cos:
            return checked(std::cos(k * x));
        case Builtin::Sin:
            return checked(std::sin(k * x));
        case Builtin::Tg:
            return checked(std::tan(k * x));
        case Builtin::Ctg:
            return divide(std::cos(k * x), std::sin(k * x));
        case Builtin::ArcCos:
            return checked(std::atan2(checked(std::sqrt(1 - x * x)), x) / k);
        case Builtin::ArcSin:
            return checked(std::atan2(x, checked(std::sqrt(1 - x * x))) / k);
        case Builtin::ArcTg:
            return checked(std::atan2(x, 1.0) / k);
        default:
            return checked(std::atan2(1.0, x) / k);
    }
}

double hyperbolic(Builtin f, double x) {
    switch (f) {
        case Builtin::Ch:
            return checked(std::cosh(x));
        case Builtin::Sh:
            return checked(std::sinh(x));
        case Builtin::Th:
            return std::tanh(x);
        case Builtin::Cth:
            return divide(1.0, std::tanh(x));
        case Builtin::ArcCh:
            return checked(std::acosh(x));
        case Builtin::ArcSh:
            return checked(std::asinh(x));
        case Builtin::ArcTh:
            return checked(std::atanh(x));
        default:
            return checked(std::atanh(divide(1.0, x)));
    }
}

double plain(Builtin f, double x) {
    switch (f) {
        case Builtin::Lg:
            return logarithm(x, true);
        case Builtin::Ln:
            return logarithm(x);
        case Builtin::Exp:
            return checked(std::exp(x));
        case Builtin::Sqr:
            return checked(x * x);
        case Builtin::Sqrt:
            return checked(std::sqrt(x));
        case Builtin::Abs:
            return std::fabs(x);
        case Builtin::Sign:
            return x < 0 ? -1.0 : x > 0 ? 1.0 : x;
        case Builtin::Odd:
            return static_cast<double>(fpu::toInt64(x) & 1);
        default:
            return static_cast<double>(1 - (fpu::toInt64(x) & 1));
    }
}

}  // namespace

const BuiltinInfo* findBuiltin(std::string_view name) {
    for (const BuiltinInfo& b : kBuiltins) {
        if (sameName(b.name, name)) return &b;
    }
    return nullptr;
}

bool isOperatorWord(std::string_view name) {
    return std::any_of(kOperatorWords.begin(), kOperatorWords.end(),
                       [&](std::string_view w) { return sameName(w, name); });
}

double callBuiltin(Builtin f, std::span<const double> args, double angle) {
    const double x = args[0];
    switch (f) {
        case Builtin::Frac:
        case Builtin::Trunc:
        case Builtin::Round:
        case Builtin::Floor:
        case Builtin::Ceil:
            return stepped(f, x, args.size() > 1 ? args[1] : 1.0);
        case Builtin::Log:
            return divide(logarithm(args[1]), logarithm(x));
        case Builtin::Atan:
            return checked(std::atan2(x, args[1]) / angle);
        case Builtin::Min:
            return *std::min_element(args.begin(), args.end());
        case Builtin::Max:
            return *std::max_element(args.begin(), args.end());
        default:
            break;
    }
    if (f <= Builtin::ArcCtg) return angular(f, x, angle);
    if (f <= Builtin::ArcCth) return hyperbolic(f, x);
    return plain(f, x);
}

double power(double x, double y) {
    if (y == std::trunc(y)) {
        double n = std::fabs(y);
        double base = x;
        double r = 1.0;
        // Intermediate infinities are allowed: a negative exponent turns them into 0.
        while (n > 0) {
            if (std::fmod(n, 2.0) == 1.0) r *= base;
            n = std::floor(n / 2);
            if (n > 0) base *= base;
        }
        return y < 0 ? divide(1.0, r) : checked(r);
    }
    if (x == 0) {
        if (y > 0) return 0.0;
        fpu::raise(fpu::ZeroDivide);
    }
    if (x < 0) fpu::raise(fpu::Invalid);
    return checked(std::exp(y * std::log(x)));
}

}  // namespace lr
