#include "automation/auto_page.h"

namespace lr {

namespace {
constexpr ui::Color kPageColor = 0xC0C0C0;
constexpr int kTableTop = TClassChildGroupBox_2D0DF80::kHeight + 1;
constexpr int kRecorderTop = kTableTop + TClassChildGroupBox_2D0E5B0::kHeight + 1;
}  // namespace

TClassChildPanel_2D0DED0::TClassChildPanel_2D0DED0(ui::Control* parent, TClassMultiBase* owner,
                                                   THIMultiElement& outer, LocalClock clock)
    : TClassMultiBase(parent, owner),
      edge_(make<THIEditMulti>(outer, 5, 0)),
      panel_(totalPanel(parent)),
      timer_(own<TClassChildGroupBox_2D0DF80>(&panel_.control(), this, clock)),
      table_(own<TClassChildGroupBox_2D0E5B0>(&panel_.control(), this, kTableTop)),
      recorder_(own<TClassChildGroupBox_2D0F000>(&panel_.control(), this, ui::Point{0, kRecorderTop}, clock)),
      check_(own<ActionCheck>(this)) {
    join(edge_);
    linkEdge();
    linkScheduler();
}

// Hidden until the mode pages container shows it.
THIPanel& TClassChildPanel_2D0DED0::totalPanel(ui::Control* parent) {
    THIPanel& p = make<THIPanel>(parent);
    p.Name = "totalpanel";
    p.Color_ = kPageColor;
    p.Width_ = kWidth;
    p.Height_ = kHeight;
    p.Visible = false;
    p.init();
    return p;
}

void TClassChildPanel_2D0DED0::linkEdge() {
    edge_.inputs[0] = bind<&TClassChildPanel_2D0DED0::show>(*this);
    edge_.inputs[1] = bind<&TClassChildGroupBox_2D0E5B0::doStart>(table_);
    edge_.inputs[2] = bind<&TClassChildGroupBox_2D0E5B0::doClosing>(table_);
    edge_.inputs[3] = bind<&TClassChildGroupBox_2D0E5B0::doAddRow>(table_);
    edge_.inputs[4] = bind<&TClassChildGroupBox_2D0DF80::doSwitch>(timer_);
}

void TClassChildPanel_2D0DED0::linkScheduler() {
    timer_.onStarted = output(1);
    timer_.onStart = bind<&TClassChildPanel_2D0DED0::started>(*this);
    timer_.onRunning = output(2);
    timer_.onMinute = bind<&TClassChildPanel_2D0DED0::minute>(*this);
    check_.onActions = output(0);
    check_.onShow = bind<&TClassChildGroupBox_2D0DF80::doShow>(timer_);
    recorder_.setOnRow(bind<&TClassChildGroupBox_2D0E5B0::doAddRow>(table_));
}

// Only the Integer 0 hides.
void TClassChildPanel_2D0DED0::show(TData& data) {
    const bool hide = isInteger(data) && data.intValue == 0;
    fireInteger(bind<&THIWin::doVisible>(panel_), hide ? 0 : 1);
}

void TClassChildPanel_2D0DED0::started(TData& data) {
    check_.doStart(toInteger(data), data.next ? toInteger(*data.next) : 0);
}

void TClassChildPanel_2D0DED0::minute(TData& data) {
    const std::tm t = timer_.minuteTime();
    check_.check(toString(data), t.tm_hour, t.tm_min, table_.rows());
}

}  // namespace lr
