#pragma once
// Starting other programs on Linux, for the system's open action.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace settings {

// Starts the program `args[0]` (a path) with the other items as its arguments. It runs on its own: it
// is not our child, so it never waits for us nor we for it. False when it could not be executed.
bool startDetached(const std::vector<std::string>& args);
// A command line's parameters as a program sees them: blanks separate, double quotes group.
std::vector<std::string> splitParameters(std::string_view parameters);
// The path of a program of that name in the folders of PATH.
std::optional<std::string> findInPath(std::string_view name);

}  // namespace settings
