#include "settings/file_tools_element.h"

#include <vector>

#include "runtime/strings.h"
#include "settings/system.h"

namespace lr {

void THIFileTools::doDelete(TData& data) {
    std::string names = readString(data, FileName, FileName_);
    std::vector<std::string> files;
    if (Mode == 1) {
        names += ';';
        while (!names.empty())
            files.push_back(takeToken(names, ';'));
    } else {
        files.push_back(names);
    }
    settings::System& sys = settings::system();
    bool gone = true;
    for (const std::string& file : files) {
        if (file.empty()) continue;
        sys.deleteFile(file);
        gone = gone && !sys.fileExists(file);
    }
    if (gone) forwardNull(data, onOK);
}

}  // namespace lr
