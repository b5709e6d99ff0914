#pragma once
// The translation table of interface texts.
#include <string>
#include <string_view>

namespace settings {

// The translation of an interface text, or the text itself when it has none.
std::string translate(std::string_view text);

}  // namespace settings
