#include "automation/table_text.h"

#include <algorithm>

namespace lr {

namespace {

// The next line of `text` from `pos`, without its CR LF or LF; pos moves past it.
std::string_view nextLine(std::string_view text, std::size_t& pos) {
    const std::size_t end = std::min(text.find('\n', pos), text.size());
    std::string_view line = text.substr(pos, end - pos);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    pos = end + 1;
    return line;
}

// Digits after an optional sign; anything else is a missing width.
int parseWidth(std::string_view text) {
    const bool negative = !text.empty() && text.front() == '-';
    if (negative || (!text.empty() && text.front() == '+')) text.remove_prefix(1);
    if (text.empty() || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return kMissingWidth;
    if (negative) return 0;
    long long width = 0;
    for (char c : text) {
        width = width * 10 + (c - '0');
        if (width > kMaxWidth) return kMaxWidth;
    }
    return static_cast<int>(width);
}

ui::ListColumn parseColumn(std::string_view line) {
    const std::size_t equals = line.rfind('=');
    if (equals == std::string_view::npos) return {std::string(line), kMissingWidth};
    return {std::string(line.substr(0, equals)), parseWidth(line.substr(equals + 1))};
}

}  // namespace

std::vector<ui::ListColumn> parseColumns(std::string_view text, char separator) {
    std::vector<ui::ListColumn> columns;
    std::size_t start = 0;
    while (start <= text.size() && columns.size() < kMaxColumns) {
        const std::size_t end =
            std::min(text.find_first_of(std::string{separator, '\r', '\n'}, start), text.size());
        if (end > start) columns.push_back(parseColumn(text.substr(start, end - start)));
        start = end + 1;
    }
    return columns;
}

TableRow splitRow(std::string_view line, char separator) {
    TableRow cells;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = line.find(separator, start);
        cells.emplace_back(line.substr(start, end == std::string_view::npos ? line.npos : end - start));
        if (end == std::string_view::npos) return cells;
        start = end + 1;
    }
}

std::string joinRow(const TableRow& row, char separator) {
    std::string line;
    for (std::size_t i = 0; i < row.size(); ++i) {
        if (i) line += separator;
        line += row[i];
    }
    return line;
}

TableText parseTable(std::string_view bytes, char separator) {
    TableText table;
    std::size_t pos = 0;
    if (pos < bytes.size()) table.columns = parseColumns(nextLine(bytes, pos), separator);
    while (pos < bytes.size()) {
        const std::string_view line = nextLine(bytes, pos);
        if (!line.empty()) table.rows.push_back(splitRow(line, separator));
    }
    return table;
}

std::string formatTable(const TableText& table, char separator) {
    std::string text;
    for (std::size_t i = 0; i < table.columns.size(); ++i) {
        if (i) text += separator;
        text += table.columns[i].caption + "=" + std::to_string(table.columns[i].width);
    }
    text += "\r\n";
    for (const TableRow& row : table.rows)
        text += joinRow(row, separator) + "\r\n";
    return text;
}

}  // namespace lr
