#include "settings/paths.h"

#include "runtime/strings.h"
#include "settings/system.h"

namespace settings {

std::string programFolder() {
    const std::string file = system().programFile();
    return file.substr(0, file.find_last_of("\\/") + 1);
}

std::string expandPath(std::string_view path) {
    System& sys = system();
    std::string out = lr::replaceAll(path, "%windir%", sys.windowsFolder());
    out = lr::replaceAll(out, "%tmpdir%", sys.tempFolder());
    out = lr::replaceAll(out, "%sysdir%", sys.systemFolder());
    if (out.find_first_of("\\/:") == std::string::npos) out = programFolder() + out;
    return out;
}

std::string nameWithoutFolderAndExtension(std::string_view path) {
    const std::size_t slash = path.find_last_of("\\/");
    std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.rfind('.');
    return std::string(dot == std::string_view::npos ? name : name.substr(0, dot));
}

}  // namespace settings
