#include "expr/math_evaluation.h"

#include <cmath>
#include <memory>
#include <vector>

#include "expr/float_check.h"
#include "expr/matrix_accessor.h"
#include "runtime/error.h"
#include "runtime/strings.h"

namespace lr {

namespace {

using fpu::checked;
using fpu::toInt64;

constexpr std::string_view kFailedResult = "MathParse Exception";

bool isEmpty(const TData& d) {
    return d.kind == kind::Null || d.kind == kind::NoValue;
}

// The number an input delivers. The empty result of a failed interpreter passes its failure on.
double numberOf(const TData& d) {
    if (isEmpty(d)) {
        if (d.text == kFailedResult) throw ElementError(d.intValue < 1 ? error::Syntax : error::NoData);
        return 0.0;
    }
    return checked(toReal(d));
}

double truth(bool b) {
    return b ? 1.0 : 0.0;
}

bool compare(Tok op, double a, double b) {
    switch (op) {
        case Tok::Equal:
            return a == b;
        case Tok::NotEqual:
            return a != b;
        case Tok::Less:
            return a < b;
        case Tok::Greater:
            return a > b;
        case Tok::LessEqual:
            return a <= b;
        default:
            return a >= b;
    }
}

bool isComparison(Tok t) {
    return t == Tok::Equal || t == Tok::NotEqual || t == Tok::Less || t == Tok::Greater ||
           t == Tok::LessEqual || t == Tok::GreaterEqual;
}

double integerDivision(double a, double b, bool remainder) {
    const std::int64_t x = toInt64(a);
    const std::int64_t y = toInt64(b);
    if (y == 0) fpu::raise(fpu::ZeroDivide);
    if (y == -1)
        return remainder ? 0.0 : checked(-static_cast<double>(x));  // -2^63 div -1 has no 64-bit answer
    return static_cast<double>(remainder ? x % y : x / y);
}

double bitwiseOp(Tok op, double a, double b) {
    const std::int64_t x = toInt64(a);
    const std::int64_t y = toInt64(b);
    const auto ux = static_cast<std::uint64_t>(x);
    switch (op) {
        case Tok::Amp:
            return static_cast<double>(x & y);
        case Tok::Bar:
            return static_cast<double>(x | y);
        case Tok::Bang:
            return static_cast<double>(x ^ y);
        default:
            break;
    }
    // Shifting by 64 places or more (or a negative count) leaves no bits.
    if (y < 0 || y > 63) return 0.0;
    const std::uint64_t r = op == Tok::ShiftLeft ? ux << y : ux >> y;
    return static_cast<double>(static_cast<std::int64_t>(r));
}

bool toItemIndex(double v, std::int32_t& index) {
    const double r = std::nearbyint(v);
    if (!(r >= -2147483648.0 && r <= 2147483647.0)) return false;
    index = static_cast<std::int32_t>(r);
    return true;
}

// Item i of an array, or item (i, j) of a matrix; false when the value offers none.
bool readItem(const TData& value, double i, const double* j, TData& item) {
    std::int32_t row = 0;
    std::int32_t column = 0;
    if (!toItemIndex(i, row) || !value.ref) return false;
    if (j) {
        return value.kind == kind::Matrix && toItemIndex(*j, column) &&
               static_cast<const MatrixAccessor*>(value.ref)->get(row, column, item);
    }
    TData index = makeInteger(row);
    return value.kind == kind::Array && static_cast<const ArrayAccessor*>(value.ref)->get(index, item);
}

}  // namespace

double MathEvaluation::run() {
    scanner_.next();
    const double v = logic();
    if (!scanner_.atEndMark()) syntaxError();
    return v;
}

void MathEvaluation::syntaxError() {
    throw ElementError(error::Syntax);
}

void MathEvaluation::syntaxErrorAt(std::size_t offset) {
    blamed_ = true;
    blamedOffset_ = offset;
    syntaxError();
}

void MathEvaluation::expect(Tok kind) {
    if (scanner_.kind() != kind) syntaxError();
    scanner_.next();
}

bool MathEvaluation::atWord(std::string_view word) const {
    return scanner_.kind() == Tok::Name && compareIgnoringCase(scanner_.spelling(), word) == 0;
}

double MathEvaluation::expression() {
    if (nesting_ >= kMaxFormulaNesting) syntaxError();
    ++nesting_;
    const double v = logic();
    --nesting_;
    return v;
}

double MathEvaluation::logic() {
    double v = comparison();
    for (;;) {
        const bool isAnd = atWord("and");
        const bool isOr = atWord("or");
        if (!isAnd && !isOr && !atWord("xor")) return v;
        scanner_.next();
        const bool a = v != 0;
        const bool b = comparison() != 0;
        v = truth(isAnd ? (a && b) : isOr ? (a || b) : (a != b));
    }
}

double MathEvaluation::comparison() {
    const bool negate = atWord("not");
    if (negate) scanner_.next();
    double v = sum();
    if (isComparison(scanner_.kind())) {
        bool all = true;
        double left = v;
        while (isComparison(scanner_.kind())) {
            const Tok op = scanner_.kind();
            scanner_.next();
            const double right = sum();
            all = compare(op, left, right) && all;
            left = right;
        }
        v = truth(all);
    }
    return negate ? truth(v == 0) : v;
}

double MathEvaluation::sum() {
    const bool negative = scanner_.kind() == Tok::Minus;
    if (negative || scanner_.kind() == Tok::Plus) scanner_.next();
    double v = product();
    if (negative) v = -v;
    while (scanner_.kind() == Tok::Plus || scanner_.kind() == Tok::Minus) {
        const bool minus = scanner_.kind() == Tok::Minus;
        scanner_.next();
        const double right = product();
        v = checked(minus ? v - right : v + right);
    }
    return v;
}

double MathEvaluation::product() {
    double v = powers();
    for (;;) {
        const Tok op = scanner_.kind();
        const bool isDiv = atWord("div");
        const bool isMod = atWord("mod");
        if (op != Tok::Star && op != Tok::Slash && !isDiv && !isMod) return v;
        scanner_.next();
        const double right = powers();
        if (isDiv || isMod) {
            v = integerDivision(v, right, isMod);
        } else {
            v = op == Tok::Star ? checked(v * right) : fpu::divide(v, right);
        }
    }
}

double MathEvaluation::powers() {
    double v = bitwise();
    while (scanner_.kind() == Tok::Caret) {
        scanner_.next();
        v = power(v, bitwise());
    }
    return v;
}

double MathEvaluation::bitwise() {
    double v = primary();
    for (;;) {
        const Tok op = scanner_.kind();
        if (op != Tok::Amp && op != Tok::Bar && op != Tok::Bang && op != Tok::ShiftLeft &&
            op != Tok::ShiftRight)
            return v;
        scanner_.next();
        v = bitwiseOp(op, v, primary());
    }
}

double MathEvaluation::primary() {
    if (scanner_.kind() != Tok::Tilde) return atom();
    scanner_.next();
    return static_cast<double>(~toInt64(atom()));
}

double MathEvaluation::atom() {
    switch (scanner_.kind()) {
        case Tok::Number: {
            const double v = scanner_.token().number;
            scanner_.next();
            return v;
        }
        case Tok::LParen:
            return parenthesised();
        case Tok::Input:
            return inputAtom();
        case Tok::Name:
            return named();
        default:
            syntaxError();
    }
}

double MathEvaluation::parenthesised() {
    scanner_.next();
    const double v = expression();
    expect(Tok::RParen);
    return v;
}

double MathEvaluation::inputAtom() {
    const std::uint32_t k = scanner_.token().input;
    if (k > settings_.dataCount || (k != 0 && k == settings_.functionInput)) syntaxError();
    scanner_.next();
    if (k == 0) return settings_.current;
    if (scanner_.kind() == Tok::LParen) return called(k);
    const TData& value = inputs_.input(k);
    return scanner_.kind() == Tok::LBracket ? indexed(value) : numberOf(value);
}

double MathEvaluation::indexed(const TData& value) {
    scanner_.next();
    const double i = expression();
    const bool matrix = scanner_.kind() == Tok::Comma;
    double j = 0;
    if (matrix) {
        scanner_.next();
        j = expression();
    }
    expect(Tok::RBracket);
    TData item;
    if (!readItem(value, i, matrix ? &j : nullptr, item) || isEmpty(item)) throw ElementError(error::NoData);
    return checked(toReal(item));
}

double MathEvaluation::called(std::uint32_t k) {
    TData request;
    appendArguments(request);
    inputs_.call(k, request);
    if (isEmpty(request)) throw ElementError(error::NoData);
    return checked(toReal(request));
}

void MathEvaluation::appendArguments(TData& list) {
    TData* last = &list;
    while (last->next)
        last = last->next.get();
    expect(Tok::LParen);
    for (;;) {
        const double v = expression();
        if (isNull(*last)) {
            *last = makeReal(v);
        } else {
            last->next = std::make_unique<TData>(makeReal(v));
            last = last->next.get();
        }
        if (scanner_.kind() != Tok::Comma) break;
        scanner_.next();
    }
    expect(Tok::RParen);
}

double MathEvaluation::named() {
    const std::string_view name = scanner_.spelling();
    const std::size_t at = scanner_.token().pos;
    if (isOperatorWord(name)) syntaxError();
    if (const BuiltinInfo* info = findBuiltin(name)) {
        scanner_.next();
        return builtin(*info);
    }
    if (compareIgnoringCase(name, "pi") == 0 || compareIgnoringCase(name, "e") == 0) {
        const double v = name.size() == 1 ? 2.718281828459045 : 3.141592653589793;
        scanner_.next();
        return v;
    }
    return external(name, at);
}

double MathEvaluation::builtin(const BuiltinInfo& info) {
    expect(Tok::LParen);
    std::vector<double> args;
    for (;;) {
        args.push_back(expression());
        if (scanner_.kind() != Tok::Comma) break;
        scanner_.next();
    }
    if (args.size() < info.minArgs || (info.maxArgs != 0 && args.size() > info.maxArgs)) syntaxError();
    expect(Tok::RParen);
    return callBuiltin(info.id, args, settings_.angleFactor);
}

// A name that is not built in: asked of the function input, with its arguments.
double MathEvaluation::external(std::string_view name, std::size_t at) {
    const std::uint32_t fi = settings_.functionInput;
    if (fi == 0 || fi > settings_.dataCount) syntaxErrorAt(at);
    TData request = makeString(std::string(name));
    scanner_.next();
    if (scanner_.kind() == Tok::LParen) appendArguments(request);
    inputs_.call(fi, request);
    if (isEmpty(request)) syntaxErrorAt(at);
    return checked(toReal(request));
}

}  // namespace lr
