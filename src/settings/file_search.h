#pragma once
// The recursive file search behind the scheme, visual scheme and language lists.
#include <string>
#include <string_view>
#include <vector>

namespace settings {

// "*" matches any run of characters, "?" one; ASCII letters compare folded to lower case; "*.*"
// matches every name, as on Windows.
bool matchesMask(std::string_view name, std::string_view mask);

// The files under `folder`, subfolders included, whose names match `mask`: full paths in the order
// the folders are listed, a subfolder's files where the subfolder stands.
std::vector<std::string> findFiles(std::string_view folder, std::string_view mask);

}  // namespace settings
