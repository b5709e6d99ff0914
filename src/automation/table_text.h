#pragma once
// The action table as text: the column list ("caption=width" lines), and the table file, whose first
// line is the columns joined by the separator and every further line a row's cells joined by it.
#include <string>
#include <string_view>
#include <vector>

#include "ui/control.h"

namespace lr {

using TableRow = std::vector<std::string>;

struct TableText {
    std::vector<ui::ListColumn> columns;
    std::vector<TableRow> rows;
};

inline constexpr int kMissingWidth = 80;
inline constexpr int kMaxWidth = 4000;          // wider than any screen: a huge width is held here
inline constexpr std::size_t kMaxColumns = 32;  // further headers of a damaged file are left out

// One column per non-empty line: a missing width leaves 80, a negative one 0.
std::vector<ui::ListColumn> parseColumns(std::string_view text, char separator);
TableRow splitRow(std::string_view line, char separator);
std::string joinRow(const TableRow& row, char separator);
// Lines end with CR LF or LF; empty lines are left out.
TableText parseTable(std::string_view bytes, char separator);
std::string formatTable(const TableText& table, char separator);

}  // namespace lr
