#pragma once
// THIStringTable: a table of text rows in a list view. The columns come from "caption=width" lines;
// a row's cells are joined by the separator wherever a row travels as one text. Files hold the
// columns on their first line and one row per further line.
#include <string>
#include <vector>

#include "automation/table_text.h"
#include "runtime/elements/visual_win.h"

namespace lr {

class THIStringTable : public THIWin {
  public:
    using THIWin::THIWin;
    std::string Columns;  // "Time=50\r\nList of Actions=340\r\n..."
    char StrDelimiter = '>';
    std::size_t FileLimit = 64u << 20;  // a larger file is not read

    Point onLoadError;           // the file name, when it exists but cannot be read
    Point onSaveError;           // the file name, when it cannot be written
    void doAdd(TData& data);     // a row text, appended
    void doSort(TData& data);    // by the first column, in the user's order, ignoring case
    void doClear(TData& data);   // the rows; the columns stay
    void doDelete(TData& data);  // the selected row; nothing without a selection
    void doLoad(TData& data);    // replaces columns and rows by the file's
    void doSave(TData& data);    // the whole file, or nothing when it cannot be written
    void Count(TData& data);

    const std::vector<TableRow>& rows() const { return rows_; }
    // The columns with the widths the user left them at.
    std::vector<ui::ListColumn> columns();

  protected:
    ui::ControlSpec params() const override { return {ui::ControlKind::ListView}; }
    void applyOwn() override;

  private:
    void showColumns();
    void showRows();

    std::vector<ui::ListColumn> columns_;
    std::vector<TableRow> rows_;
};

}  // namespace lr
