#pragma once
// How the interpreter reports an error: the message in code page 1251 and the place in the formula.
#include <cstddef>
#include <string>
#include <string_view>

namespace lr {

inline constexpr int kSyntaxErrorIndex = 0;
inline constexpr int kCalculationErrorIndex = 1;

struct TextPosition {
    int line = 1;    // from 1; a CR, or a CR LF pair, starts a new line
    int column = 1;  // from 1
};

TextPosition lineColumn(std::string_view text, std::size_t offset);
// The message of an error index, ending in the text that the position follows.
std::string_view errorMessage(int index);
// The message followed by "line:column".
std::string errorReport(int index, TextPosition at);

}  // namespace lr
