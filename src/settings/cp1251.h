#pragma once
// Code page 1251 <-> Unicode. Text is code page 1251 everywhere inside the program; these are the only
// conversions, used where text meets the screen, the terminal or the file system.
#include <string>
#include <string_view>

namespace settings {

char32_t cp1251ToCodePoint(unsigned char byte);
// The byte of a code point, '?' when the code page has none.
char codePointToCp1251(char32_t codePoint);

std::string cp1251ToUtf8(std::string_view text);
// Invalid UTF-8 and characters missing from the code page become '?', one per character.
std::string utf8ToCp1251(std::string_view text);

std::u16string cp1251ToUtf16(std::string_view text);
// Lone surrogates and characters missing from the code page become '?'.
std::string utf16ToCp1251(std::u16string_view text);

}  // namespace settings
