#pragma once
// Text helpers shared by the elements. Texts are code page 1251 bytes; positions are 1-based.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace lr {

// The text before the first `c`, removed from `s` together with the `c`; the whole of `s`
// (left unchanged) when `c` does not occur.
std::string takeToken(std::string& s, char c);
// 1-based position of `sub` in `s` at or after `from`; 0 when absent or `sub` is empty.
std::size_t findFrom(std::string_view sub, std::string_view s, std::size_t from);
// Replaces every `find`, resuming after the inserted text; `accept` (when given) may decline a position.
std::string replaceAll(std::string_view s, std::string_view find, std::string_view with,
                       const std::function<bool(std::string_view s, std::size_t pos)>& accept = {});
// Difference of the first differing bytes, ASCII letters compared as upper case.
int compareIgnoringCase(std::string_view a, std::string_view b);
std::string lowerAscii(std::string_view s);
// The lines of a text; CR, LF and CR LF all end a line, and a final line end adds no empty line.
std::vector<std::string> splitLines(std::string_view text);
// "<1,2,,4>rest": stores the numbers into `values` (optionally reset to -2 first) and cuts the part off `s`.
void parseIndexList(std::string& s, std::vector<int>& values, bool reset);

}  // namespace lr
