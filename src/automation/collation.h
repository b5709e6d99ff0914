#pragma once
// Texts in the user's order, ignoring case, as the action table sorts its Time column.
#include <string>
#include <string_view>

namespace lr {

// Keys compare as bytes in the order the texts sort.
std::string collationKey(std::string_view cp1251);

}  // namespace lr
