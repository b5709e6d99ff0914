#include "settings/desktop_entry.h"

#include <algorithm>

#include "runtime/strings.h"

namespace settings {

namespace {

bool hasControl(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; });
}

// Inside a quoted argument '"', '`', '$' and '\' are escaped with a backslash, and the file's own string
// escaping doubles that backslash again; '%' starts a field code unless doubled.
std::string quotedArgument(std::string_view argument) {
    std::string out = "\"";
    for (char c : argument) {
        if (c == '\\') {
            out += "\\\\\\\\";
        } else if (c == '"' || c == '`' || c == '$') {
            out += "\\\\";
            out += c;
        } else if (c == '%') {
            out += "%%";
        } else {
            out += c;
        }
    }
    return out + "\"";
}

// The string escapes of a value: \s \n \t \r \\.
std::string unescapedValue(std::string_view value) {
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        const char c = value[++i];
        out += c == 's' ? ' ' : c == 'n' ? '\n' : c == 't' ? '\t' : c == 'r' ? '\r' : c;
    }
    return out;
}

// The first argument of a command: quoted, with its backslash escapes, or up to the first blank.
std::string firstArgument(std::string_view command) {
    std::string out;
    if (command.empty() || command.front() != '"') return std::string(command.substr(0, command.find(' ')));
    for (std::size_t i = 1; i < command.size() && command[i] != '"'; ++i) {
        if (command[i] == '\\' && i + 1 < command.size()) ++i;
        out += command[i];
    }
    return out;
}

std::string withoutFieldEscapes(std::string_view text) {
    return lr::replaceAll(text, "%%", "%");
}

struct Entry {
    std::string exec;
    bool hidden = false;
    bool enabled = true;
};

std::string_view trimmed(std::string_view s) {
    const std::size_t first = s.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

// Only the keys of the [Desktop Entry] group count; other groups (actions) have keys of the same names.
Entry parsed(std::string_view text) {
    Entry entry;
    bool inMainGroup = false;
    for (const std::string& line : lr::splitLines(text)) {
        if (line.starts_with('[')) {
            inMainGroup = trimmed(line) == "[Desktop Entry]";
            continue;
        }
        const std::size_t equals = line.find('=');
        if (!inMainGroup || equals == std::string::npos) continue;
        const std::string_view key = trimmed(std::string_view(line).substr(0, equals));
        const std::string_view value = trimmed(std::string_view(line).substr(equals + 1));
        if (key == "Exec") entry.exec = unescapedValue(value);
        if (key == "Hidden") entry.hidden = value == "true";
        if (key == "X-GNOME-Autostart-enabled") entry.enabled = value != "false";
    }
    return entry;
}

}  // namespace

std::optional<std::string> autostartEntry(std::string_view name, std::string_view program) {
    if (hasControl(name) || hasControl(program) || program.empty()) return std::nullopt;
    return "[Desktop Entry]\nType=Application\nName=" + std::string(name) +
           "\nExec=" + quotedArgument(program) + "\nX-GNOME-Autostart-enabled=true\n";
}

std::optional<std::string> autostartProgram(std::string_view text) {
    const Entry entry = parsed(text);
    if (entry.hidden || !entry.enabled) return std::nullopt;
    std::string program = withoutFieldEscapes(firstArgument(entry.exec));
    if (program.empty()) return std::nullopt;
    return program;
}

}  // namespace settings
