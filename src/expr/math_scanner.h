#pragma once
// The scanner of the interpreter's language. The text ends with the end mark (character code 1).
#include <cstdint>
#include <string_view>

namespace lr {

enum class Tok : std::uint8_t {
    End,  // the scan ended: at the end mark, or at a character no token starts with
    Number,
    Input,  // %k
    Name,
    LParen,
    RParen,
    Comma,
    LBracket,
    RBracket,
    Plus,
    Minus,
    Star,
    Slash,
    Caret,
    Tilde,
    Amp,
    Bar,
    Bang,
    ShiftLeft,
    ShiftRight,
    Equal,
    NotEqual,
    Less,
    Greater,
    LessEqual,
    GreaterEqual,
};

struct Token {
    Tok kind = Tok::End;
    std::size_t pos = 0;  // 0-based offset in the text
    std::size_t len = 0;
    double number = 0.0;      // Number
    std::uint32_t input = 0;  // Input (saturates, so a huge k stays out of range)
};

class MathScanner {
  public:
    explicit MathScanner(std::string_view text) : text_(text) {}

    // Reads the next token; a number too large for a double raises the overflow error with the
    // token already current, so the error points at it.
    void next();
    const Token& token() const { return token_; }
    Tok kind() const { return token_.kind; }
    // The token's text as written.
    std::string_view spelling() const { return text_.substr(token_.pos, token_.len); }
    // True when the scan ended exactly at the end mark that closes the text.
    bool atEndMark() const { return token_.kind == Tok::End && token_.pos + 1 == text_.size(); }

  private:
    unsigned char at(std::size_t i) const {
        return i < text_.size() ? static_cast<unsigned char>(text_[i]) : 1;
    }
    void skipBlanks();
    void scanNumber();
    void scanHex(std::size_t digitsFrom);
    void scanInput();
    void scanName();
    void scanSymbol();
    void finish(Tok kind, std::size_t end);

    std::string_view text_;
    std::size_t pos_ = 0;
    Token token_;
};

}  // namespace lr
