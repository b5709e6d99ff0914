#include "expr/fast_scanner.h"

#include <string>

#include "expr/number_literal.h"
#include "runtime/strings.h"

namespace lr {

namespace {
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}
}  // namespace

std::size_t FastScanner::skipBlanks(std::size_t i) const {
    while (at(i) == ' ' || at(i) == '\t')
        ++i;
    return i;
}

bool FastScanner::isIdentifier(std::string_view word) const {
    return token_.kind == FastTok::Identifier && compareIgnoringCase(token_.name, word) == 0;
}

void FastScanner::next() {
    pos_ = skipBlanks(pos_);
    token_ = FastToken{};
    const char c = at(pos_);
    if (c == '\x01') {
        token_.kind = FastTok::End;
    } else if (c == '%' || c == '(' || c == ')' || c == ',') {
        token_.kind = FastTok::Delimiter;
        token_.symbol = c;
        ++pos_;
    } else if (c == '+' || c == '-' || c == '*' || c == '/' || c == '^') {
        token_.kind = FastTok::Operator;
        token_.symbol = c;
        pos_ = skipBlanks(pos_ + 1);
        // A sign right after an operator must be parenthesised.
        if (at(pos_) == '+' || at(pos_) == '-') token_ = FastToken{};
    } else if (isDigit(c) || c == '.') {
        scanNumber();
    } else if (isLetter(c)) {
        scanIdentifier();
    }
}

// Digits, an optional point and digits, then an optional exponent; blanks may surround the exponent
// letter and its sign.
void FastScanner::scanNumber() {
    std::size_t i = pos_;
    std::string compact;
    bool real = false;
    while (isDigit(at(i)))
        compact += at(i++);
    if (at(i) == '.') {
        real = true;
        compact += at(i++);
        while (isDigit(at(i)))
            compact += at(i++);
    }
    if (compact == ".") return;
    std::size_t j = skipBlanks(i);
    if (at(j) == 'e' || at(j) == 'E') {
        real = true;
        compact += 'e';
        j = skipBlanks(j + 1);
        if (at(j) == '+' || at(j) == '-') compact += at(j++);
        j = skipBlanks(j);
        if (!isDigit(at(j))) {
            pos_ = j;
            return;
        }
        while (isDigit(at(j)))
            compact += at(j++);
        i = j;
    }
    pos_ = i;
    token_.kind = real ? FastTok::Real : FastTok::Integer;
    token_.value = literalValue(compact);
}

void FastScanner::scanIdentifier() {
    const std::size_t start = pos_;
    while (isLetter(at(pos_)) || isDigit(at(pos_)))
        ++pos_;
    token_.kind = FastTok::Identifier;
    token_.name = text_.substr(start, pos_ - start);
}

}  // namespace lr
