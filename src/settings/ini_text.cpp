#include "settings/ini_text.h"

#include "runtime/strings.h"

namespace settings {

namespace {

// One line: [begin, end) without its "\n"; `next` is where the following line begins.
struct Line {
    std::size_t begin = 0;
    std::size_t end = 0;
    std::size_t next = 0;
};

enum class Kind { Blank, Section, Key, Other };

struct Parsed {
    Kind kind = Kind::Blank;
    std::string_view name;
    std::string_view value;
};

// White space as the profile functions see it, Ctrl+Z (an old end-of-file mark) included.
bool isBlank(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r') || c == '\x1A';
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

Parsed parse(std::string_view text) {
    text = trim(text);
    if (text.empty()) return {};
    if (text[0] == '[') {
        const std::size_t close = text.rfind(']');
        if (close != std::string_view::npos && close > 0)
            return {Kind::Section, text.substr(1, close - 1), {}};
    }
    const std::size_t eq = text.find('=');
    if (eq == std::string_view::npos) return {Kind::Other, {}, {}};
    return {Kind::Key, trim(text.substr(0, eq)), trim(text.substr(eq + 1))};
}

bool sameName(std::string_view stored, std::string_view wanted) {
    return stored.size() == wanted.size() && lr::compareIgnoringCase(stored, wanted) == 0;
}

// A UTF-8 byte order mark left by an editor is not part of the first line.
std::size_t firstLineStart(std::string_view bytes) {
    return bytes.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0;
}

template <class F>
void forEachLine(std::string_view bytes, F&& visit) {
    std::size_t pos = firstLineStart(bytes);
    while (pos < bytes.size()) {
        const std::size_t nl = bytes.find('\n', pos);
        const Line line{pos, nl == std::string_view::npos ? bytes.size() : nl,
                        nl == std::string_view::npos ? bytes.size() : nl + 1};
        if (!visit(line)) return;
        pos = line.next;
    }
}

// Where a key of a section stands, and where a new key of that section goes.
struct Location {
    bool sectionFound = false;
    std::optional<Line> key;
    std::optional<Line> lastContent;  // the section's last non-blank line
};

Location locate(std::string_view bytes, std::string_view section, std::string_view key) {
    Location loc;
    section = trim(section);
    key = trim(key);
    bool inSection = section.empty();  // keys before the first section belong to the unnamed one
    loc.sectionFound = inSection;
    forEachLine(bytes, [&](const Line& line) {
        const Parsed p = parse(bytes.substr(line.begin, line.end - line.begin));
        if (p.kind == Kind::Section) {
            if (loc.sectionFound) return false;  // only the first section of that name counts
            inSection = loc.sectionFound = sameName(p.name, section);
        }
        if (inSection && p.kind != Kind::Blank) loc.lastContent = line;
        if (inSection && p.kind == Kind::Key && !loc.key && !key.empty() && sameName(p.name, key))
            loc.key = line;
        return true;
    });
    return loc;
}

std::string_view lineBreakOf(std::string_view bytes) {
    const std::size_t nl = bytes.find('\n');
    return (nl != std::string_view::npos && (nl == 0 || bytes[nl - 1] != '\r')) ? "\n" : "\r\n";
}

bool hasLineBreak(std::string_view s) {
    return s.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

std::string_view stripQuotes(std::string_view v) {
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front()) {
        return v.substr(1, v.size() - 2);
    }
    return v;
}

// The integer reading of the profile functions: a buffer of 30, optional sign, decimal digits.
std::int32_t leadingInteger(std::string_view v) {
    v = v.substr(0, 29);
    std::size_t i = 0;
    const bool negative = !v.empty() && v[0] == '-';
    if (!v.empty() && (v[0] == '-' || v[0] == '+')) ++i;
    std::uint32_t n = 0;
    for (; i < v.size() && v[i] >= '0' && v[i] <= '9'; ++i)
        n = n * 10u + static_cast<std::uint32_t>(v[i] - '0');
    return static_cast<std::int32_t>(negative ? 0u - n : n);
}

}  // namespace

std::optional<std::string_view> IniText::find(std::string_view section, std::string_view key) const {
    const Location loc = locate(bytes_, section, key);
    if (!loc.key) return std::nullopt;
    const std::string_view bytes(bytes_);
    return parse(bytes.substr(loc.key->begin, loc.key->end - loc.key->begin)).value;
}

std::string IniText::readString(std::string_view section, std::string_view key, std::string_view def) const {
    const auto value = find(section, key);
    if (!value) {
        while (!def.empty() && def.back() == ' ')
            def.remove_suffix(1);
        return std::string(def);
    }
    return std::string(stripQuotes(*value).substr(0, kIniValueLimit));
}

std::int32_t IniText::readInteger(std::string_view section, std::string_view key, std::int32_t def) const {
    const auto value = find(section, key);
    if (!value || stripQuotes(*value).empty()) return def;
    return leadingInteger(stripQuotes(*value));
}

std::vector<std::string> IniText::sectionNames() const {
    std::vector<std::string> names;
    const std::string_view bytes(bytes_);
    forEachLine(bytes, [&](const Line& line) {
        const Parsed p = parse(bytes.substr(line.begin, line.end - line.begin));
        if (p.kind == Kind::Section && !p.name.empty()) names.emplace_back(p.name);
        return true;
    });
    return names;
}

bool IniText::set(std::string_view section, std::string_view key, std::string_view value) {
    section = trim(section);
    key = trim(key);
    if (section.empty() || key.empty() || hasLineBreak(section) || hasLineBreak(key)) return false;
    if (key.find('=') != std::string_view::npos || key[0] == '[') return false;
    value = value.substr(0, value.find_first_of(std::string_view("\r\n\0", 3)));

    const std::string line = std::string(key) + "=" + std::string(value);
    const std::string eol(lineBreakOf(bytes_));
    const Location loc = locate(bytes_, section, key);
    if (loc.key) {
        std::size_t end = loc.key->end;
        if (end > loc.key->begin && bytes_[end - 1] == '\r') --end;  // keep the line's own break
        bytes_.replace(loc.key->begin, end - loc.key->begin, line);
    } else if (loc.sectionFound && loc.lastContent) {
        const Line& last = *loc.lastContent;
        bytes_.insert(last.next, last.next == last.end ? eol + line : line + eol);
    } else {
        if (!bytes_.empty() && bytes_.back() != '\n') bytes_ += eol;
        bytes_.append("[").append(section).append("]").append(eol).append(line).append(eol);
    }
    return true;
}

bool IniText::erase(std::string_view section, std::string_view key) {
    if (trim(key).empty()) return false;
    const Location loc = locate(bytes_, section, key);
    if (!loc.key) return false;
    bytes_.erase(loc.key->begin, loc.key->next - loc.key->begin);
    return true;
}

}  // namespace settings
