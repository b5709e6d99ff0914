#include "automation/timer_group.h"

#include "settings/translation.h"

namespace lr {

namespace {
constexpr ui::Color kPageColor = 0xC0C0C0;
constexpr int kLastLeft = 290;
constexpr int kCellLeft = 300;
}  // namespace

TClassChildGroupBox_2D0DF80::TClassChildGroupBox_2D0DF80(ui::Control* parent, TClassMultiBase* owner,
                                                         LocalClock clock)
    : TClassMultiBase(parent, owner),
      group_(groupBox(parent)),
      time_(label("12:45", {8, 14, 118, 50})),
      start_(button("Start", settings::translate("Start Timer"), 130)),  // the table has no "Start"
      stop_(button(settings::translate("Stop"), "", 205)),
      seconds_(secondsBar()),
      lastLabel_(label(settings::translate("Last executed actions:"), {kLastLeft, 14, 225, 16})),
      mark_(label(">", {kLastLeft, 32, 8, 16})),
      lastTime_(label("", {kCellLeft, 32, 40, 16})),
      lastActions_(label("", {kCellLeft + 42, 32, 175, 16})),
      lastDescription_(label("", {kCellLeft, 50, 217, 16})),
      clock_(own<MinuteClock>(this, std::move(clock))) {
    start_.onClick = bind<&TClassChildGroupBox_2D0DF80::start>(*this);
    stop_.onClick = bind<&TClassChildGroupBox_2D0DF80::stop>(*this);
    clock_.onTime = bind<&TClassChildGroupBox_2D0DF80::minute>(*this);
    clock_.onSecond = bind<&TClassChildGroupBox_2D0DF80::second>(*this);
}

THIGroupBox& TClassChildGroupBox_2D0DF80::groupBox(ui::Control* parent) {
    THIGroupBox& g = make<THIGroupBox>(parent);
    g.Caption = settings::translate("Timer");
    g.Color_ = kPageColor;
    g.Width_ = kWidth;
    g.Height_ = kHeight;
    g.init();
    return g;
}

THILabel& TClassChildGroupBox_2D0DF80::label(std::string caption, ui::Rect r) {
    THILabel& l = make<THILabel>(&group_.control());
    l.Caption = std::move(caption);
    l.Color_ = kPageColor;
    l.place(r);
    if (r.height > 16) {
        l.ParentFont = false;
        l.Font = {.name = "Arial", .sizePt = 26, .style = ui::fontstyle::Bold};
    }
    l.init();
    return l;
}

THIBitBtn& TClassChildGroupBox_2D0DF80::button(std::string caption, std::string hint, int left) {
    THIBitBtn& b = make<THIBitBtn>(&group_.control());
    b.Caption = std::move(caption);
    b.Hint = std::move(hint);
    b.Left_ = left;
    b.Top_ = 16;
    b.Width_ = 70;
    b.Height_ = 25;
    b.init();
    return b;
}

THITrackBar& TClassChildGroupBox_2D0DF80::secondsBar() {
    THITrackBar& t = make<THITrackBar>(&group_.control());
    t.Name = "seconds";
    t.Color_ = kPageColor;
    t.Max = 59;
    t.TickMarks_ = TickMarks::None;
    t.Left_ = 130;
    t.Top_ = 45;
    t.Width_ = 145;
    t.Height_ = 22;
    t.TabStop = false;
    t.init();
    return t;
}

void TClassChildGroupBox_2D0DF80::doSwitch(TData& data) {
    if (isNull(data)) return;
    const std::int32_t value = toInteger(data);
    if (value == 1) start(data);
    if (value == 0) stop(data);
}

void TClassChildGroupBox_2D0DF80::start(TData&) {
    fireInteger(onStarted, 1);
    on_ = true;
    showSwitch();
    const std::tm t = clock_.now();
    startMinute_ = clockText(t);
    TData at = makeInteger(t.tm_hour);
    append(at, makeInteger(t.tm_min));
    fire(onStart, at);
    fireInteger(bind<&THIWin::doEnabled>(start_), 0);
    fireInteger(onRunning, 1);
}

void TClassChildGroupBox_2D0DF80::stop(TData&) {
    on_ = false;
    showSwitch();
    fireInteger(bind<&THIWin::doEnabled>(start_), 1);
    fireInteger(onRunning, 0);
}

void TClassChildGroupBox_2D0DF80::showSwitch() {
    fireInteger(bind<&THITrackBar::doPosition>(seconds_), on_ ? 1 : 0);
}

// The clock shows the time whether the scheduler runs or not.
// The minute of the start is not checked, also when the clock first shows it only after the start.
void TClassChildGroupBox_2D0DF80::minute(TData& data) {
    fire(bind<&THILabel::doText>(time_), data);
    const bool startMinute = toString(data) == startMinute_;
    startMinute_.clear();
    if (on_ && !startMinute) fireString(onMinute, toString(data));
}

void TClassChildGroupBox_2D0DF80::second(TData& data) {
    if (on_) fire(bind<&THITrackBar::doPosition>(seconds_), data);
}

void TClassChildGroupBox_2D0DF80::doShow(TData& data) {
    const TData* item = &data;
    for (THILabel* cell : {&lastTime_, &lastActions_, &lastDescription_}) {
        fireString(bind<&THILabel::doText>(*cell), item ? toString(*item) : std::string());
        item = item ? item->next.get() : nullptr;
    }
}

}  // namespace lr
