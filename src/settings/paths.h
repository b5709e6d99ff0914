#pragma once
// Program paths: the program's folder, the expansion of settings file names, file names in lists.
#include <string>
#include <string_view>

namespace settings {

// The folder of the program's own file, ending in its separator.
std::string programFolder();
// "%windir%", "%tmpdir%" and "%sysdir%" become the Windows, temporary and system folders; a result
// without any folder part (no "\", "/" or ":") gets the program's folder in front.
std::string expandPath(std::string_view path);
// The name after the last "\" or "/", without its extension (from its last ".").
std::string nameWithoutFolderAndExtension(std::string_view path);

}  // namespace settings
