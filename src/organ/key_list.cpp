#include "organ/key_list.h"

namespace lr::organ {

namespace {

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (line.ends_with('\r')) line.remove_suffix(1);
        lines.emplace_back(line);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return lines;
}

constexpr std::string_view kOwnRandomKey = "{rnd_cnl}";

}  // namespace

const std::vector<std::string>& keyList() {
    static const std::vector<std::string> lines = splitLines(keyListText());
    return lines;
}

std::optional<int> argumentOf(std::string_view key) {
    const auto& lines = keyList();
    for (std::size_t n = 1; n < lines.size(); ++n)
        if (lines[n] == key) return static_cast<int>(n);
    return std::nullopt;
}

std::string variableOf(int argument) {
    const std::string& key = keyList().at(static_cast<std::size_t>(argument));
    return key.size() >= 2 ? key.substr(1, key.size() - 2) : key;
}

int ownRandomArgument() {
    static const int argument = argumentOf(kOwnRandomKey).value_or(-1);
    return argument;
}

// The inserted "%n" holds no braces, so scanning on in the source text is scanning after it.
std::string translateFormula(std::string_view text) {
    if (text.empty()) return "%0";
    std::string out;
    std::size_t from = 0;
    for (;;) {
        const std::size_t open = text.find('{', from);
        const std::size_t close = open == std::string_view::npos ? open : text.find('}', open);
        if (close == std::string_view::npos) break;
        out.append(text.substr(from, open - from));
        out += '%';
        out += std::to_string(argumentOf(text.substr(open, close - open + 1)).value_or(-1));
        from = close + 1;
    }
    out.append(text.substr(from));
    return out;
}

}  // namespace lr::organ
