#include "settings/gvar_container.h"

#include <vector>

#include "runtime/elements/str_list.h"
#include "runtime/globals.h"
#include "runtime/strings.h"
#include "settings/ini_file.h"
#include "settings/paths.h"

namespace lr {

namespace {

struct Var {
    std::string name;
    std::string def;
};

std::vector<Var> parseVars(std::string_view text) {
    std::vector<Var> vars;
    for (const std::string& line : splitLines(text)) {
        const std::size_t eq = line.find('=');
        if (!line.empty())
            vars.push_back({line.substr(0, eq), eq == std::string::npos ? "" : line.substr(eq + 1)});
    }
    return vars;
}

// The value keeps the kind the variable holds: text while unset or text, else integer or real.
void load(const settings::IniText& ini, const std::string& section, const Var& var) {
    TData& slot = globalVar(var.name);
    switch (slot.kind) {
        case kind::Null:
        case kind::String:
            slot = makeString(ini.readString(section, var.name, var.def));
            break;
        case kind::Integer:
            slot = makeInteger(ini.readInteger(section, var.name, parseInteger(var.def)));
            break;
        case kind::Real:
            slot = makeReal(parseReal(ini.readString(section, var.name, var.def)));
            break;
        default:
            break;
    }
}

}  // namespace

THIGVarContainer::Target THIGVarContainer::target(TData& data) {
    Target t;
    t.file = settings::expandPath(readString(data, FileName, FileName_));
    t.section = readString(data, Section, Section_);
    return t;
}

void THIGVarContainer::doLoad(TData& data) {
    const Target t = target(data);
    const settings::IniText ini = settings::iniLoad(t.file);
    for (const Var& var : parseVars(Vars))
        load(ini, t.section, var);
    forwardNull(data, onLoad);
}

// All variables go to the file in one write; a name that cannot be a key is left out.
void THIGVarContainer::doSave(TData& data) {
    const Target t = target(data);
    settings::iniUpdate(t.file, [&](settings::IniText& ini) {
        for (const Var& var : parseVars(Vars))
            ini.set(t.section, var.name, toString(globalVar(var.name)));
        return true;
    });
}

}  // namespace lr
