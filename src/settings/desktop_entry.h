#pragma once
// XDG desktop entries that start a program at log-in ("Start with Windows" on Linux). Texts are UTF-8,
// as the entry files are.
#include <optional>
#include <string>
#include <string_view>

namespace settings {

// The entry named `name` that starts `program` (a path, quoted in the command); nothing when either
// holds a line break or another control character, which would make a second key of the file.
std::optional<std::string> autostartEntry(std::string_view name, std::string_view program);
// The program an entry starts; nothing when the entry is switched off (hidden or not enabled) or names
// no program.
std::optional<std::string> autostartProgram(std::string_view entry);

}  // namespace settings
