#include "settings/ini_file.h"

#include "settings/system.h"

namespace settings {

IniText iniLoad(System& files, std::string_view file) {
    FileRead read = files.readFile(file, kIniFileLimit);
    return read.status == FileRead::Status::Ok ? IniText(std::move(read.bytes)) : IniText();
}

IniText iniLoad(std::string_view file) {
    return iniLoad(system(), file);
}

bool iniUpdate(System& files, std::string_view file, const IniEdit& edit) {
    FileRead read = files.readFile(file, kIniFileLimit);
    if (read.status == FileRead::Status::Failed) return false;  // never replace what we could not read
    IniText text(read.bytes);
    if (!edit(text)) return false;
    if (read.status == FileRead::Status::Ok && text.bytes() == read.bytes) return true;
    return files.replaceFile(file, text.bytes());
}

bool iniUpdate(std::string_view file, const IniEdit& edit) {
    return iniUpdate(system(), file, edit);
}

std::string iniReadString(std::string_view file, std::string_view section, std::string_view key,
                          std::string_view def) {
    return iniLoad(file).readString(section, key, def);
}

std::int32_t iniReadInteger(std::string_view file, std::string_view section, std::string_view key,
                            std::int32_t def) {
    return iniLoad(file).readInteger(section, key, def);
}

std::vector<std::string> iniSectionNames(std::string_view file) {
    return iniLoad(file).sectionNames();
}

bool iniWriteString(std::string_view file, std::string_view section, std::string_view key,
                    std::string_view value) {
    return iniUpdate(file, [&](IniText& text) { return text.set(section, key, value); });
}

}  // namespace settings
