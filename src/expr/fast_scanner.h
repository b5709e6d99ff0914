#pragma once
// The scanner of the compiler's language. The text ends with the end mark (character code 1).
#include <cstdint>
#include <string_view>

namespace lr {

enum class FastTok : std::uint8_t {
    End,        // character code 1
    Empty,      // no rule accepts it
    Delimiter,  // % ( ) ,
    Operator,   // + - * / ^
    Integer,
    Real,
    Identifier,  // compared ignoring case
};

struct FastToken {
    FastTok kind = FastTok::Empty;
    char symbol = 0;  // Delimiter, Operator
    double value = 0.0;
    std::string_view name;
};

class FastScanner {
  public:
    explicit FastScanner(std::string_view text) : text_(text) {}
    // Reads the next token; a number too large for a double raises the overflow error.
    void next();
    const FastToken& token() const { return token_; }
    bool is(FastTok kind, char symbol = 0) const {
        return token_.kind == kind && (symbol == 0 || token_.symbol == symbol);
    }
    bool isIdentifier(std::string_view word) const;

  private:
    char at(std::size_t i) const { return i < text_.size() ? text_[i] : '\x01'; }
    std::size_t skipBlanks(std::size_t i) const;
    void scanNumber();
    void scanIdentifier();

    std::string_view text_;
    std::size_t pos_ = 0;
    FastToken token_;
};

}  // namespace lr
