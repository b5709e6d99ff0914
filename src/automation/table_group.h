#pragma once
// TClassChildGroupBox_2D0E5B0: the "Table of Actions" group. The action table and its buttons "Clear
// Table", "Delete Line", "Save Table" and "Load Table". The table goes to "actions.ini" at start and
// exit; the two table buttons use the file the user chooses.
#include <string>

#include "automation/string_table.h"
#include "runtime/container.h"
#include "runtime/elements/visual_buttons.h"
#include "runtime/elements/visual_controls.h"

namespace lr {

class TClassChildGroupBox_2D0E5B0 : public TClassMultiBase {
  public:
    static constexpr int kWidth = 523;
    static constexpr int kHeight = 333;
    static constexpr const char* kFile = "actions.ini";
    static constexpr const char* kColumns = "Time=50\r\nList of Actions=340\r\nDescription=100";

    TClassChildGroupBox_2D0E5B0(ui::Control* parent, TClassMultiBase* owner, int top);

    void doAddRow(TData& data);   // appended, then the table is sorted by time
    void doStart(TData& data);    // loads "actions.ini" when there is one
    void doClosing(TData& data);  // saves "actions.ini"
    const std::vector<TableRow>& rows() const { return table_.rows(); }

  private:
    THIGroupBox& groupBox(ui::Control* parent, int top);
    THIStringTable& table();
    THIBitBtn& button(const char* caption, const char* image, int left);
    void saveChosen(TData& data);
    void loadChosen(TData& data);
    void clearTable(TData& data);
    void deleteLine(TData& data);
    void loadFailed(TData& data);
    void saveFailed(TData& data);

    THIGroupBox& group_;
    THIStringTable& table_;
    THIBitBtn& clear_;
    THIBitBtn& delete_;
    THIBitBtn& save_;
    THIBitBtn& load_;
    // A start file that could not be read is kept at exit until the table is changed.
    bool keepFile_ = false;
    bool loadFailed_ = false;
};

}  // namespace lr
