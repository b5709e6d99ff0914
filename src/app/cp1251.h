#pragma once
// Code page 1251 text for a UTF-8 terminal.
#include <string>
#include <string_view>

namespace lumenrig::cli {

// ASCII bytes stay as they are; every other byte becomes the UTF-8 form of its character.
std::string cp1251ToUtf8(std::string_view text);

}  // namespace lumenrig::cli
