#include "settings/window_positions.h"

#include <array>
#include <optional>
#include <string>
#include <utility>

#include "runtime/strings.h"
#include "settings/ini_file.h"
#include "settings/ini_text.h"
#include "settings/paths.h"
#include "settings/system.h"

namespace settings {

namespace {
constexpr std::string_view kIniMark = ".ini\\";

struct IniPlace {
    std::string file;
    std::string section;
};

// "lumenrig.ini\main_position": the file and the section; nothing for a registry key.
std::optional<IniPlace> iniPlace(std::string_view key) {
    const std::size_t at = lr::lowerAscii(key).find(kIniMark);
    if (at == std::string::npos) return std::nullopt;
    const std::size_t split = at + kIniMark.size() - 1;
    return IniPlace{expandPath(key.substr(0, split)), std::string(key.substr(split + 1))};
}

using Part = std::pair<const char*, int ui::Rect::*>;
constexpr std::array<Part, 4> kParts = {{
    {"Left", &ui::Rect::left},
    {"Top", &ui::Rect::top},
    {"Width", &ui::Rect::width},
    {"Height", &ui::Rect::height},
}};

std::string registryKey(std::string_view key) {
    return "Software\\" + std::string(key);
}

// A stored size of zero or less would leave a window nobody can see or reach: it keeps its own.
ui::Rect withUsableSize(ui::Rect r, const ui::Rect& current) {
    if (r.width <= 0) r.width = current.width;
    if (r.height <= 0) r.height = current.height;
    return r;
}
}  // namespace

ui::Rect SettingsWindowPositions::load(std::string_view key, const ui::Rect& current) {
    ui::Rect r = current;
    if (const auto place = iniPlace(key)) {
        const IniText ini = iniLoad(place->file);
        for (const auto& [name, part] : kParts)
            r.*part = ini.readInteger(place->section, name, current.*part);
        return withUsableSize(r, current);
    }
    for (const auto& [name, part] : kParts) {
        const auto v = system().registry().read(RegistryRoot::CurrentUser, registryKey(key), name);
        if (v && v->type == RegistryValue::Type::Integer) r.*part = v->integer;
    }
    return withUsableSize(r, current);
}

void SettingsWindowPositions::save(std::string_view key, const ui::Rect& bounds) {
    if (const auto place = iniPlace(key)) {
        iniUpdate(place->file, [&](IniText& ini) {
            for (const auto& [name, part] : kParts)
                if (!ini.set(place->section, name, std::to_string(bounds.*part))) return false;
            return true;
        });
        return;
    }
    for (const auto& [name, part] : kParts) {
        RegistryValue value;
        value.type = RegistryValue::Type::Integer;
        value.integer = bounds.*part;
        system().registry().write(RegistryRoot::CurrentUser, registryKey(key), name, value);
    }
}

ScopedWindowPositions::ScopedWindowPositions() : previous_(lr::windowPositions()) {
    lr::setWindowPositions(&store_);
}

ScopedWindowPositions::~ScopedWindowPositions() {
    lr::setWindowPositions(previous_);
}

}  // namespace settings
