#include "expr/math_scanner.h"

#include "expr/float_check.h"
#include "expr/number_literal.h"

namespace lr {

namespace {

bool isDigit(unsigned char c) {
    return c >= '0' && c <= '9';
}
bool isLetter(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
// Names may use the Cyrillic letters of code page 1251 (bytes 192..255).
bool isNameStart(unsigned char c) {
    return isLetter(c) || c == '_' || c >= 192;
}
bool isNamePart(unsigned char c) {
    return isNameStart(c) || isDigit(c);
}
int hexDigit(unsigned char c) {
    if (isDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

void MathScanner::next() {
    skipBlanks();
    token_ = Token{};
    token_.pos = pos_;
    const unsigned char c = at(pos_);
    if (c == '0' && (at(pos_ + 1) == 'x' || at(pos_ + 1) == 'X') && hexDigit(at(pos_ + 2)) >= 0) {
        scanHex(pos_ + 2);
    } else if (c == '$') {
        if (hexDigit(at(pos_ + 1)) >= 0) scanHex(pos_ + 1);
    } else if (isDigit(c) || c == '.') {
        scanNumber();
    } else if (c == '%') {
        scanInput();
    } else if (isNameStart(c)) {
        scanName();
    } else {
        scanSymbol();
    }
}

void MathScanner::skipBlanks() {
    while (at(pos_) == ' ' || at(pos_) == '\t' || at(pos_) == '\r' || at(pos_) == '\n')
        ++pos_;
}

void MathScanner::finish(Tok kind, std::size_t end) {
    token_.kind = kind;
    token_.len = end - token_.pos;
    pos_ = end;
}

void MathScanner::scanNumber() {
    std::size_t i = pos_;
    std::size_t digits = 0;
    for (; isDigit(at(i)); ++i)
        ++digits;
    if (at(i) == '.') {
        for (++i; isDigit(at(i)); ++i)
            ++digits;
    }
    if (digits == 0) return;  // a lone "." starts no token
    if (at(i) == 'e' || at(i) == 'E') {
        std::size_t j = i + 1;
        if (at(j) == '+' || at(j) == '-') ++j;
        if (isDigit(at(j))) {
            i = j;
            while (isDigit(at(i)))
                ++i;
        }
    }
    finish(Tok::Number, i);
    token_.number = literalValue(spelling());
}

void MathScanner::scanHex(std::size_t digitsFrom) {
    std::uint64_t value = 0;
    bool overflow = false;
    std::size_t i = digitsFrom;
    for (; hexDigit(at(i)) >= 0; ++i) {
        overflow = overflow || (value >> 60) != 0;
        value = (value << 4) | static_cast<std::uint64_t>(hexDigit(at(i)));
    }
    finish(Tok::Number, i);
    if (overflow) fpu::raise(fpu::Overflow);
    // Sixteen digits give the 64-bit pattern: $FFFFFFFFFFFFFFFF is -1.
    token_.number = static_cast<double>(static_cast<std::int64_t>(value));
}

void MathScanner::scanInput() {
    std::size_t i = pos_ + 1;
    if (!isDigit(at(i))) return;  // "%" alone starts no token
    std::uint32_t k = 0;
    for (; isDigit(at(i)); ++i)
        k = k > 100000000u ? k : k * 10u + (at(i) - '0');
    finish(Tok::Input, i);
    token_.input = k;
}

void MathScanner::scanName() {
    std::size_t i = pos_ + 1;
    while (isNamePart(at(i)))
        ++i;
    finish(Tok::Name, i);
}

void MathScanner::scanSymbol() {
    const unsigned char c = at(pos_);
    const unsigned char d = at(pos_ + 1);
    auto one = [&](Tok kind) { finish(kind, pos_ + 1); };
    auto two = [&](Tok kind) { finish(kind, pos_ + 2); };
    switch (c) {
        case '(':
            return one(Tok::LParen);
        case ')':
            return one(Tok::RParen);
        case ',':
            return one(Tok::Comma);
        case '[':
            return one(Tok::LBracket);
        case ']':
            return one(Tok::RBracket);
        case '+':
            return one(Tok::Plus);
        case '-':
            return one(Tok::Minus);
        case '*':
            return one(Tok::Star);
        case '/':
            return one(Tok::Slash);
        case '^':
            return one(Tok::Caret);
        case '~':
            return one(Tok::Tilde);
        case '&':
            return one(Tok::Amp);
        case '|':
            return one(Tok::Bar);
        case '!':
            return one(Tok::Bang);
        case '=':
            return one(Tok::Equal);
        case '<':
            if (d == '=') return two(Tok::LessEqual);
            if (d == '>') return two(Tok::NotEqual);
            if (d == '<') return two(Tok::ShiftLeft);
            return one(Tok::Less);
        case '>':
            if (d == '=') return two(Tok::GreaterEqual);
            if (d == '>') return two(Tok::ShiftRight);
            return one(Tok::Greater);
        default:
            return;  // the scan ends here
    }
}

}  // namespace lr
