#pragma once
// Code page 1251 bytes to UTF-16 and back, at the screen only.
#include <string>
#include <string_view>

namespace ui::win32 {

std::wstring toWide(std::string_view text);
std::string fromWide(std::wstring_view text);

}  // namespace ui::win32
