#include "settings/ini_element.h"

#include "settings/ini_file.h"
#include "settings/paths.h"

namespace lr {

THIini::Target THIini::target(TData& data) {
    Target t;
    t.file = settings::expandPath(readString(data, FileName, FileName_));
    t.section = readString(data, Section, Section_);
    t.key = readString(data, Key, Key_);
    return t;
}

void THIini::doRead(TData& data) {
    const Target t = target(data);
    if (Type == ValueType::Integer) {
        forwardInteger(data, onRead, settings::iniReadInteger(t.file, t.section, t.key, 0));
    } else {
        forwardString(data, onRead, settings::iniReadString(t.file, t.section, t.key, ""));
    }
}

// A write that fails (read-only folder, full disk) leaves the file as it was and says nothing.
void THIini::doWrite(TData& data) {
    const Target t = target(data);
    const std::string value = Type == ValueType::Integer ? std::to_string(readInteger(data, Value, 0))
                                                         : readString(data, Value, "");
    settings::iniWriteString(t.file, t.section, t.key, value);
}

void THIini::doSections(TData& data) {
    const std::string file = settings::expandPath(readString(data, FileName, FileName_));
    for (const std::string& name : settings::iniSectionNames(file))
        fireString(onSection, name);
}

}  // namespace lr
