#pragma once
// What the Wine COM tests and their bridge agree on.
#include <string_view>

namespace winebridge {

// Written to the port, asks the device to go away (as if unplugged) and come back.
inline constexpr std::string_view kUnplug = "\x01UNPLUG\x01";
inline constexpr int kAwayMs = 300;

}  // namespace winebridge
