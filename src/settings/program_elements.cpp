#include "settings/program_elements.h"

#include "settings/paths.h"
#include "settings/system.h"

namespace lr {

// Whether the file exists is the open action's to tell: a missing manual is reported by the system.
void THIWinExec::doExec(TData& data) {
    const std::string file = readString(data, FileName, FileName_);
    const std::string parameters = readString(data, Params, Params_);
    if (!settings::system().open(Verb, file, parameters)) forwardInteger(data, onError, 1);
}

void THIApplication::FileName(TData& data) {
    data = makeString(settings::system().programFile());
}

// Program texts join folders with backslashes ("%1manual\%2.pdf"), also where the system uses slashes.
void THIDir::Dir(TData& data) {
    std::string folder = settings::programFolder();
    if (!folder.empty()) folder.back() = '\\';
    data = makeString(std::move(folder));
}

}  // namespace lr
