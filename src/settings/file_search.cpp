#include "settings/file_search.h"

#include "runtime/strings.h"
#include "settings/system.h"

namespace settings {

namespace {

// Deeper nesting is a link loop (a junction pointing back up), not a folder of schemes.
constexpr int kMaxDepth = 32;

bool matchesLower(std::string_view name, std::string_view mask) {
    std::size_t n = 0;
    std::size_t m = 0;
    std::size_t starMask = std::string_view::npos;
    std::size_t starName = 0;
    while (n < name.size()) {
        if (m < mask.size() && (mask[m] == '?' || mask[m] == name[n])) {
            ++n, ++m;
        } else if (m < mask.size() && mask[m] == '*') {
            starMask = m++;
            starName = n;
        } else if (starMask != std::string_view::npos) {
            m = starMask + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == '*')
        ++m;
    return m == mask.size();
}

void search(System& sys, const std::string& folder, std::string_view mask, int depth,
            std::vector<std::string>& found) {
    const bool separated = !folder.empty() && (folder.back() == '\\' || folder.back() == '/');
    const std::string prefix = folder.empty() || separated ? folder : folder + "\\";
    for (const FolderEntry& entry : sys.listFolder(folder)) {
        if (entry.folder) {
            if (depth < kMaxDepth) search(sys, prefix + entry.name, mask, depth + 1, found);
        } else if (matchesLower(lr::lowerAscii(entry.name), mask)) {
            found.push_back(prefix + entry.name);
        }
    }
}

std::string lowerMask(std::string_view mask) {
    return mask == "*.*" ? "*" : lr::lowerAscii(mask);
}

}  // namespace

bool matchesMask(std::string_view name, std::string_view mask) {
    return matchesLower(lr::lowerAscii(name), lowerMask(mask));
}

std::vector<std::string> findFiles(std::string_view folder, std::string_view mask) {
    std::vector<std::string> found;
    search(system(), std::string(folder), lowerMask(mask), 0, found);
    return found;
}

}  // namespace settings
