// Number texts and kind conversions. Reals are scanned and formatted in extended precision,
// the precision the arithmetic of the formulas runs at.
#include <cmath>
#include <cstdint>
#include <string>

#include "runtime/tdata.h"

namespace lr {

std::int32_t parseInteger(std::string_view s) {
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) {
        negative = s[i] == '-';
        ++i;
    }
    std::uint32_t value = 0;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i)
        value = value * 10u + static_cast<std::uint32_t>(s[i] - '0');
    if (negative) value = 0u - value;
    return static_cast<std::int32_t>(value);
}

double parseReal(std::string_view s) {
    if (s.empty()) return 0.0;
    std::size_t i = 0;
    const bool negative = s[0] == '-';
    if (negative) i = 1;
    long double value = 0.0L;
    long double factor = 1.0L;
    bool fraction = false;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        if (c >= '0' && c <= '9') {
            if (fraction) {
                factor *= 0.1L;
                value += static_cast<long double>(c - '0') * factor;
            } else {
                value = value * 10.0L + static_cast<long double>(c - '0');
            }
        } else if (c == '.') {
            if (fraction) break;
            fraction = true;
        } else if (c == 'E' || c == 'e') {
            value *= std::pow(10.0L, static_cast<long double>(parseInteger(s.substr(i + 1))));
            break;
        }
    }
    const double result = static_cast<double>(negative ? -value : value);
    return std::isfinite(result) ? result : 0.0;
}

namespace {

void trimFraction(std::string& s) {
    while (!s.empty() && s.back() == '0')
        s.pop_back();
    if (!s.empty() && s.back() == '.') s.pop_back();
}

}  // namespace

std::string formatReal(double v) {
    if (v == 0.0) return "0";
    if (std::isnan(v)) return "NAN";
    if (std::isinf(v)) return v < 0 ? "-INF" : "INF";
    // n counts the digits before the point once m holds 15 digits.
    long double m = std::fabs(static_cast<long double>(v));
    int n = 15;
    if (m < 5e12L) {
        while (m < 5e12L) {
            m *= 10.0L;
            --n;
        }
    } else {
        while (m >= 1e13L) {
            m /= 10.0L;
            ++n;
        }
    }
    long double r = std::nearbyint(m);
    while (r < 1e14L) {
        m *= 10.0L;
        --n;
        r = std::nearbyint(m);
    }
    // A carry into a sixteenth digit moves the point one place; the digits stay 15.
    if (r >= 1e15L) {
        r = std::nearbyint(r / 10.0L);
        ++n;
    }
    const std::string d = std::to_string(static_cast<std::uint64_t>(r));
    std::string text;
    if (n >= 15) {
        text = d + std::string(static_cast<std::size_t>(n - 15), '0');
    } else if (n > 0) {
        text = d.substr(0, static_cast<std::size_t>(n)) + "." + d.substr(static_cast<std::size_t>(n));
        trimFraction(text);
    } else {
        text = "0." + std::string(static_cast<std::size_t>(-n), '0') + d;
        trimFraction(text);
    }
    return v < 0 ? "-" + text : text;
}

std::int32_t toInteger(const TData& d) {
    switch (d.kind) {
        case kind::Integer:
            return d.intValue;
        case kind::String:
            return parseInteger(d.text);
        case kind::Real:
            return roundToInt(d.realValue);
        default:
            return 0;
    }
}

double toReal(const TData& d) {
    switch (d.kind) {
        case kind::Integer:
            return d.intValue;
        case kind::String:
            return parseReal(d.text);
        case kind::Real:
            return d.realValue;
        default:
            return 0.0;
    }
}

std::string toString(const TData& d) {
    switch (d.kind) {
        case kind::Integer:
            return std::to_string(d.intValue);
        case kind::String:
            return d.text;
        case kind::Real:
            return formatReal(d.realValue);
        default:
            return {};
    }
}

std::int32_t toIndex(const TData& d) {
    switch (d.kind) {
        case kind::Integer:
            return d.intValue;
        case kind::Real:
            return roundToInt(d.realValue);
        case kind::String: {
            if (d.text.empty()) return -1;
            const std::int32_t v = parseInteger(d.text);
            return (v == 0 && d.text[0] != '0') ? -1 : v;
        }
        default:
            return -1;
    }
}

bool isTrue(const TData& d) {
    return !(d.kind == kind::Integer && d.intValue == 0);
}

}  // namespace lr
