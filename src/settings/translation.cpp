#include "settings/translation.h"

#include <map>
#include <optional>

#include "runtime/strings.h"
#include "settings/file_search.h"
#include "settings/ini_file.h"
#include "settings/paths.h"
#include "settings/system.h"

namespace settings {

namespace {

using Table = std::map<std::string, std::string, std::less<>>;

std::optional<Table>& table() {
    static std::optional<Table> t;
    return t;
}

TranslationWatch*& innermostWatch() {
    static TranslationWatch* watch = nullptr;
    return watch;
}

std::string withSeparator(std::string_view folder) {
    std::string out(folder);
    if (!out.empty() && out.back() != '\\' && out.back() != '/') out += '\\';
    return out;
}

// The first file of the folder (not its subfolders) that is "<language>.lng"; empty when none is.
std::string languageFile(const std::string& folder, std::string_view language) {
    for (const FolderEntry& entry : system().listFolder(folder)) {
        if (!entry.folder && matchesMask(entry.name, "*.lng") &&
            nameWithoutFolderAndExtension(entry.name) == language)
            return folder + entry.name;
    }
    return {};
}

}  // namespace

void setTranslation(std::string_view lngText) {
    clearTranslation();
    if (lngText.size() > kLngFileLimit) return;
    Table entries;
    for (const std::string& line : lr::splitLines(lngText)) {
        if (line.size() > kLngLineLimit) continue;
        const std::size_t bar = line.find('|');
        if (bar == std::string::npos) {
            entries.try_emplace(line, line);
        } else {
            entries.try_emplace(line.substr(0, bar), line.substr(bar + 1));  // the first entry wins
        }
    }
    table() = std::move(entries);
}

void clearTranslation() {
    table().reset();
}

bool hasTranslation() {
    return table().has_value();
}

std::string translate(std::string_view text) {
    for (TranslationWatch* w = innermostWatch(); w; w = w->previous_)
        w->record(text);
    if (!table()) return std::string(text);
    const auto found = table()->find(text);
    return found == table()->end() ? std::string(text) : found->second;
}

bool loadTranslation(std::string_view programFolder) {
    clearTranslation();
    const std::string folder = withSeparator(programFolder);
    const std::string language = iniLoad(folder + "lumenrig.ini").readString("localization", "language", "");
    if (language.empty()) return false;
    const std::string file = languageFile(folder + "localization\\", language);
    if (file.empty()) return false;
    FileRead read = system().readFile(file, kLngFileLimit);
    if (read.status != FileRead::Status::Ok) return false;
    setTranslation(read.bytes);
    return hasTranslation();
}

TranslationWatch::TranslationWatch() : previous_(innermostWatch()) {
    innermostWatch() = this;
}

// Watches end in reverse order of their making, as scopes do.
TranslationWatch::~TranslationWatch() {
    innermostWatch() = previous_;
}

void TranslationWatch::record(std::string_view text) {
    if (seen_.emplace(text).second) texts_.emplace_back(text);
}

}  // namespace settings
