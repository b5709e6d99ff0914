#include "automation/table_group.h"

#include "runtime/report.h"
#include "settings/system.h"
#include "settings/translation.h"
#include "ui/platform.h"

namespace lr {

namespace {
constexpr ui::Color kPageColor = 0xC0C0C0;
constexpr int kButtonTop = 303;
// "Actions (*.ini)|*.ini", "Saving the table", "Loading the table".
constexpr const char* kFilter = "\xC4\xE5\xE9\xF1\xF2\xE2\xE8\xFF (*.ini)|*.ini";
constexpr const char* kSaveTitle = "\xD1\xEE\xF5\xF0\xE0\xED\xFF\xE5\xEC \xF2\xE0\xE1\xEB\xE8\xF6\xF3";
constexpr const char* kLoadTitle = "\xC7\xE0\xE3\xF0\xF3\xE6\xE0\xE5\xEC \xF2\xE0\xE1\xEB\xE8\xF6\xF3";

// The process's current folder, where the table of start and exit is kept.
std::string actionsFile() {
    return settings::system().currentFolder() + "\\" + TClassChildGroupBox_2D0E5B0::kFile;
}

ui::FileDialogSpec dialog(const char* title, const char* fileName) {
    return {.title = title, .filter = kFilter, .initialDir = ".", .fileName = fileName, .defaultExt = "ini"};
}
}  // namespace

TClassChildGroupBox_2D0E5B0::TClassChildGroupBox_2D0E5B0(ui::Control* parent, TClassMultiBase* owner, int top)
    : TClassMultiBase(parent, owner),
      group_(groupBox(parent, top)),
      table_(table()),
      clear_(button("Clear Table", "BITMAP68", 7)),
      delete_(button("Delete Line", "BITMAP65", 134)),
      save_(button("Save Table", "BITMAP66", 262)),
      load_(button("Load Table", "BITMAP67", 391)) {
    clear_.onClick = bind<&TClassChildGroupBox_2D0E5B0::clearTable>(*this);
    delete_.onClick = bind<&TClassChildGroupBox_2D0E5B0::deleteLine>(*this);
    save_.onClick = bind<&TClassChildGroupBox_2D0E5B0::saveChosen>(*this);
    load_.onClick = bind<&TClassChildGroupBox_2D0E5B0::loadChosen>(*this);
    table_.onLoadError = bind<&TClassChildGroupBox_2D0E5B0::loadFailed>(*this);
    table_.onSaveError = bind<&TClassChildGroupBox_2D0E5B0::saveFailed>(*this);
}

THIGroupBox& TClassChildGroupBox_2D0E5B0::groupBox(ui::Control* parent, int top) {
    THIGroupBox& g = make<THIGroupBox>(parent);
    g.Caption = settings::translate("Table of Actions");
    g.Color_ = kPageColor;
    g.Top_ = top;
    g.Width_ = kWidth;
    g.Height_ = kHeight;
    g.init();
    return g;
}

THIStringTable& TClassChildGroupBox_2D0E5B0::table() {
    THIStringTable& t = make<THIStringTable>(&group_.control());
    t.Name = "actions";
    t.Columns = kColumns;
    t.Color_ = ui::systemColor(ui::syscolor::Window);
    t.Left_ = 7;
    t.Top_ = 15;
    t.Width_ = 509;
    t.Height_ = 282;
    t.init();
    return t;
}

THIBitBtn& TClassChildGroupBox_2D0E5B0::button(const char* caption, const char* image, int left) {
    THIBitBtn& b = make<THIBitBtn>(&group_.control());
    b.Caption = settings::translate(caption);
    b.Bitmap = ui::platform().resources().bitmap(image);
    b.Left_ = left;
    b.Top_ = kButtonTop;
    b.Width_ = 125;
    b.Height_ = 23;
    b.init();
    return b;
}

void TClassChildGroupBox_2D0E5B0::doAddRow(TData& data) {
    keepFile_ = false;
    fire(bind<&THIStringTable::doAdd>(table_), data);
    fireNull(bind<&THIStringTable::doSort>(table_));
}

// Only the current folder is looked in.
void TClassChildGroupBox_2D0E5B0::doStart(TData&) {
    if (!settings::system().fileExists(actionsFile())) return;
    loadFailed_ = false;
    fireString(bind<&THIStringTable::doLoad>(table_), actionsFile());
    keepFile_ = loadFailed_;
}

void TClassChildGroupBox_2D0E5B0::doClosing(TData&) {
    if (!keepFile_) fireString(bind<&THIStringTable::doSave>(table_), actionsFile());
}

void TClassChildGroupBox_2D0E5B0::clearTable(TData&) {
    keepFile_ = false;
    fireNull(bind<&THIStringTable::doClear>(table_));
}

void TClassChildGroupBox_2D0E5B0::deleteLine(TData&) {
    keepFile_ = false;
    fireNull(bind<&THIStringTable::doDelete>(table_));
}

void TClassChildGroupBox_2D0E5B0::saveChosen(TData&) {
    const auto file = ui::platform().dialogs().saveFile(nullptr, dialog(kSaveTitle, "noname"));
    if (file) fireString(bind<&THIStringTable::doSave>(table_), *file);
}

void TClassChildGroupBox_2D0E5B0::loadChosen(TData&) {
    const auto file = ui::platform().dialogs().openFile(nullptr, dialog(kLoadTitle, ""));
    if (!file) return;
    keepFile_ = false;
    fireString(bind<&THIStringTable::doLoad>(table_), *file);
}

// Told after the start sequence has run, so that the other pages start meanwhile.
void TClassChildGroupBox_2D0E5B0::loadFailed(TData& data) {
    loadFailed_ = true;
    ui::platform().loop().post([text = "Cannot read the table file " + toString(data)] {
        showReport({.text = text, .caption = "Lumenrig", .kind = ReportKind::Error});
    });
}

void TClassChildGroupBox_2D0E5B0::saveFailed(TData& data) {
    showReport({.text = "Cannot save the table to " + toString(data) + "; the file is as it was",
                .caption = "Lumenrig",
                .kind = ReportKind::Error});
}

}  // namespace lr
