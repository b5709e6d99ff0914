#include "automation/string_table.h"

#include <algorithm>

#include "automation/collation.h"
#include "settings/system.h"
#include "settings/translation.h"

namespace lr {

namespace {

// A tab would split the cell on screen, a zero byte end it.
std::string displayed(const TableRow& row) {
    std::string line;
    for (std::size_t i = 0; i < row.size(); ++i) {
        if (i) line += '\t';
        for (char c : row[i])
            line += c == '\t' || c == '\0' ? ' ' : c;
    }
    return line;
}

}  // namespace

void THIStringTable::applyOwn() {
    columns_ = parseColumns(Columns, '\n');
    showColumns();
}

std::vector<ui::ListColumn> THIStringTable::columns() {
    const std::vector<int> widths = control().columnWidths();
    if (widths.size() == columns_.size())
        for (std::size_t i = 0; i < widths.size(); ++i)
            columns_[i].width = widths[i];
    return columns_;
}

// Captions are shown translated and kept as they are, so a file keeps its own.
void THIStringTable::showColumns() {
    std::vector<ui::ListColumn> shown = columns_;
    for (ui::ListColumn& c : shown)
        c.caption = settings::translate(c.caption);
    control().setColumns(std::move(shown));
}

void THIStringTable::showRows() {
    std::vector<std::string> items;
    items.reserve(rows_.size());
    for (const TableRow& row : rows_)
        items.push_back(displayed(row));
    control().setItems(std::move(items));
}

void THIStringTable::doAdd(TData& data) {
    rows_.push_back(splitRow(toString(data), StrDelimiter));
    control().addItem(displayed(rows_.back()));
}

// Stable, so rows of the same time keep the order they were added in.
void THIStringTable::doSort(TData&) {
    std::vector<std::pair<std::string, TableRow>> keyed;
    keyed.reserve(rows_.size());
    for (TableRow& row : rows_)
        keyed.emplace_back(collationKey(row.front()), std::move(row));
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 0; i < keyed.size(); ++i)
        rows_[i] = std::move(keyed[i].second);
    showRows();
}

void THIStringTable::doClear(TData&) {
    rows_.clear();
    showRows();
}

void THIStringTable::doDelete(TData&) {
    const int selected = control().selected();
    if (selected < 0 || selected >= static_cast<int>(rows_.size())) return;
    rows_.erase(rows_.begin() + selected);
    showRows();
}

// A file without a column line keeps the columns there are.
void THIStringTable::doLoad(TData& data) {
    const std::string file = toString(data);
    settings::FileRead read = settings::system().readFile(file, FileLimit);
    if (read.status != settings::FileRead::Status::Ok) {
        fireString(onLoadError, file);
        return;
    }
    TableText table = parseTable(read.bytes, StrDelimiter);
    if (!table.columns.empty()) {
        columns_ = std::move(table.columns);
        showColumns();
    }
    rows_ = std::move(table.rows);
    showRows();
}

void THIStringTable::doSave(TData& data) {
    const std::string file = toString(data);
    TableText table{columns(), rows_};
    if (!settings::system().replaceFile(file, formatTable(table, StrDelimiter)))
        fireString(onSaveError, file);
}

void THIStringTable::Count(TData& data) {
    data = makeInteger(static_cast<std::int32_t>(rows_.size()));
}

}  // namespace lr
