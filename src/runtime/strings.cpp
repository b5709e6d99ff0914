#include "runtime/strings.h"

#include "runtime/tdata.h"

namespace lr {

std::string takeToken(std::string& s, char c) {
    const std::size_t pos = s.find(c);
    if (pos == std::string::npos) return s;
    std::string token = s.substr(0, pos);
    s.erase(0, pos + 1);
    return token;
}

std::size_t findFrom(std::string_view sub, std::string_view s, std::size_t from) {
    if (sub.empty() || from == 0) return 0;
    const std::size_t pos = s.find(sub, from - 1);
    return pos == std::string_view::npos ? 0 : pos + 1;
}

std::string replaceAll(std::string_view s, std::string_view find, std::string_view with,
                       const std::function<bool(std::string_view, std::size_t)>& accept) {
    if (find.empty()) return std::string(s);
    std::string out;
    std::size_t pos = 0;
    while (pos < s.size()) {
        if (s.substr(pos, find.size()) == find && (!accept || accept(s, pos))) {
            out += with;
            pos += find.size();
        } else {
            out += s[pos++];
        }
    }
    return out;
}

namespace {
unsigned char upperAscii(char c) {
    const auto u = static_cast<unsigned char>(c);
    return (u >= 'a' && u <= 'z') ? static_cast<unsigned char>(u - 32) : u;
}
}  // namespace

int compareIgnoringCase(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const int d = upperAscii(a[i]) - upperAscii(b[i]);
        if (d != 0) return d;
    }
    return static_cast<int>(a.size()) - static_cast<int>(b.size());
}

std::string lowerAscii(std::string_view s) {
    std::string out(s);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    }
    return out;
}

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) end = text.size();
        lines.emplace_back(text.substr(pos, end - pos));
        pos = text.substr(end, 2) == "\r\n" ? end + 2 : end + 1;
    }
    return lines;
}

void parseIndexList(std::string& s, std::vector<int>& values, bool reset) {
    if (reset) values.assign(values.size(), -2);
    std::size_t start = 0;
    while (start < s.size() && static_cast<unsigned char>(s[start]) <= 32)
        ++start;
    s.erase(0, start);
    const std::size_t close = s.find('>');
    if (s.empty() || s[0] != '<' || close == std::string::npos) return;
    std::string inner;
    for (char c : s.substr(1, close - 1)) {
        if (c != ' ') inner += c;
    }
    s.erase(0, close + 1);
    inner += ',';
    for (std::size_t i = 0; i < values.size() && !inner.empty(); ++i) {
        const std::string number = takeToken(inner, ',');
        if (!number.empty()) values[i] = parseInteger(number);
    }
}

}  // namespace lr
