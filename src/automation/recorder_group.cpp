#include "automation/recorder_group.h"

#include <utility>

#include "settings/translation.h"
#include "ui/platform.h"

namespace lr {

namespace {
constexpr ui::Color kPageColor = 0xC0C0C0;
constexpr int kRow1 = 15;
constexpr int kRow2 = 42;
}  // namespace

TClassChildGroupBox_2D0F000::TClassChildGroupBox_2D0F000(ui::Control* parent, TClassMultiBase* owner,
                                                         ui::Point at, LocalClock clock)
    : TClassMultiBase(parent, owner),
      group_(groupBox(parent, at)),
      nowLabel_(label(settings::translate("Now:"), {8, kRow1 + 4, 30, 16})),
      now_(label("12:45", {40, kRow1 + 4, 40, 16})),
      runAtLabel_(label(settings::translate("Run at:"), {84, kRow1 + 4, 48, 16})),
      runAt_(edit({134, kRow1 + 1, 58, 21}, settings::translate("hh:mm/mm"), "Run at")),
      setTime_(button("", "Set current time for sequence", "BITMAP71", {198, kRow1, 25, 23})),
      listLabel_(label(settings::translate("List of Action"), {232, kRow1 + 4, 120, 16})),
      list_(edit({8, kRow2 + 1, 342, 21}, "", "List of Action")),
      add_(button("Add", "Add sequence to Automation", "BITMAP70", {358, kRow2, 75, 23})),
      clear_(button("Clear", "", "BITMAP69", {440, kRow2, 75, 23})),
      clock_(own<MinuteClock>(this, std::move(clock))),
      status_(make<THITimer>()) {
    link();
}

THIGroupBox& TClassChildGroupBox_2D0F000::groupBox(ui::Control* parent, ui::Point at) {
    THIGroupBox& g = make<THIGroupBox>(parent);
    g.Caption = settings::translate("Save Actions");
    g.Color_ = kPageColor;
    g.Left_ = at.x;
    g.Top_ = at.y;
    g.Width_ = kWidth;
    g.Height_ = kHeight;
    g.init();
    return g;
}

THILabel& TClassChildGroupBox_2D0F000::label(std::string caption, ui::Rect r) {
    THILabel& l = make<THILabel>(&group_.control());
    l.Caption = std::move(caption);
    l.Color_ = kPageColor;
    l.place(r);
    l.init();
    return l;
}

// The name finds the box in tests.
THIEdit& TClassChildGroupBox_2D0F000::edit(ui::Rect r, std::string hint, const char* name) {
    THIEdit& e = make<THIEdit>(&group_.control());
    e.Hint = std::move(hint);
    e.Name = name;
    e.Color_ = ui::systemColor(ui::syscolor::Window);
    e.place(r);
    e.init();
    return e;
}

// A missing bitmap is an empty image: the caption alone shows.
THIBitBtn& TClassChildGroupBox_2D0F000::button(const char* caption, const char* hint, const char* image,
                                               ui::Rect r) {
    THIBitBtn& b = make<THIBitBtn>(&group_.control());
    b.Caption = *caption ? settings::translate(caption) : std::string();
    b.Hint = *hint ? settings::translate(hint) : std::string();
    b.Bitmap = ui::platform().resources().bitmap(image);
    b.place(r);
    b.init();
    return b;
}

void TClassChildGroupBox_2D0F000::link() {
    clock_.onTime = bind<&THILabel::doText>(now_);
    setTime_.onClick = bind<&TClassChildGroupBox_2D0F000::setTime>(*this);
    add_.onClick = bind<&TClassChildGroupBox_2D0F000::add>(*this);
    clear_.onClick = bind<&TClassChildGroupBox_2D0F000::clear>(*this);
    status_.Interval = kStatusTime;
    status_.Count = 1;
    status_.onTimer = bind<&TClassChildGroupBox_2D0F000::empty>(*this);
}

std::string TClassChildGroupBox_2D0F000::listText() {
    TData text;
    list_.Text(text);
    return toString(text);
}

// While "Added" or "Cleared" shows, the commands wait: the box is emptied after the word, and a command
// written behind it would go with it.
void TClassChildGroupBox_2D0F000::doCommand(TData& data) {
    const std::string command = toString(data);
    if (!(command > "!")) return;
    if (statusShown_)
        waiting_ += " " + command;
    else
        fireString(bind<&THIEdit::doText>(list_), listText() + " " + command);
}

void TClassChildGroupBox_2D0F000::setTime(TData&) {
    TData now;
    clock_.Time(now);
    fire(bind<&THIEdit::doText>(runAt_), now);
}

void TClassChildGroupBox_2D0F000::add(TData&) {
    TData runAt;
    runAt_.Text(runAt);
    fireString(onRow_, toString(runAt) + ">" + listText());
    showStatus("Added");
}

void TClassChildGroupBox_2D0F000::clear(TData&) {
    showStatus("Cleared");
}

void TClassChildGroupBox_2D0F000::showStatus(const char* word) {
    statusShown_ = true;
    fireString(bind<&THIEdit::doText>(list_), settings::translate(word) + " ");
    fireNull(bind<&THITimer::doTimer>(status_));
}

void TClassChildGroupBox_2D0F000::empty(TData&) {
    statusShown_ = false;
    fireString(bind<&THIEdit::doText>(list_), std::exchange(waiting_, {}));
}

}  // namespace lr
