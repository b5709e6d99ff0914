#pragma once
// The shell's text resources, built into the program from resources/Str1.txt and resources/Str6.txt.
#include <string_view>

namespace lr::shell {

// "Str1": seven rows of seven button colours, row k for mode k.
std::string_view modeColourTable();
// "Str6": one web address per mode; may be empty.
std::string_view webAddresses();

}  // namespace lr::shell
