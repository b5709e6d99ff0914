#include "ambilight/ambilight_page.h"

namespace lr {

namespace {
constexpr ui::Color kSilver = 0xC0C0C0;
}

// The balance group is made before the colours, whose sampling reads it, though it sits below them.
TClassChildPanel_2C2EA60::TClassChildPanel_2C2EA60(ui::Control* parent, TClassMultiBase* owner,
                                                   THIMultiElement& outer)
    : TClassMultiBase(parent, owner),
      edge_(make<THIEditMulti>(outer, 2, 0)),
      commands_(make<THILoopRelay>()),
      panel_(totalPanel(parent)),
      control_(own<TClassChildGroupBox_2C2EB10>(&panel_.control(), this)),
      balance_(own<TClassChildGroupBox_2D0A9E0>(&panel_.control(), this)),
      colors_(own<TClassChildGroupBox_2C2EF30>(
          &panel_.control(), this, BalanceReads{balance_.red(), balance_.green(), balance_.blue()})),
      proportions_(own<TClassChildGroupBox_2D0AA90>(&panel_.control(), this)),
      p1_(modeCommand()),
      start_(make<THIHub>(3)) {
    join(edge_);
    edge_.inputs[0] = bind<&TClassChildPanel_2C2EA60::show>(*this);
    edge_.inputs[1] = control_.doRemote();
    commands_.onEvent = output(0);
    colors_.setOnCommand(bind<&THILoopRelay::doEvent>(commands_));
    proportions_.setOnLayout(bind<&TClassChildGroupBox_2C2EF30::doLayout>(colors_));
    linkControl();
}

// Hidden until the mode pages container shows it.
THIPanel& TClassChildPanel_2C2EA60::totalPanel(ui::Control* parent) {
    THIPanel& p = make<THIPanel>(parent);
    p.Name = "totalpanel";
    p.Color_ = kSilver;
    p.Left_ = 5;
    p.Top_ = 25;
    p.Width_ = kWidth;
    p.Height_ = kHeight;
    p.Visible = false;
    p.ParentFont = false;
    p.Font = ui::Font{"MS Sans Serif", 8};
    p.init();
    return p;
}

THIDoData& TClassChildPanel_2C2EA60::modeCommand() {
    THIDoData& d = make<THIDoData>();
    d.Data_ = makeString("P1");
    d.onData = bind<&THILoopRelay::doEvent>(commands_);
    return d;
}

void TClassChildPanel_2C2EA60::linkControl() {
    control_.onStart = bind<&THIHub::doEvent>(start_);
    start_.outputs[0] = bind<&THIDoData::doData>(p1_);
    start_.outputs[1] = output(1);
    start_.outputs[2] = bind<&TClassChildGroupBox_2C2EF30::doSampleStart>(colors_);
    control_.onStop = bind<&TClassChildGroupBox_2C2EF30::doSampleStop>(colors_);
    control_.onView = bind<&TClassChildGroupBox_2C2EF30::doPreviewOn>(colors_);
    control_.onFast = bind<&TClassChildGroupBox_2C2EF30::doPreviewOff>(colors_);
    control_.onRunState = output(2);
}

// Only the Integer 0 hides.
void TClassChildPanel_2C2EA60::show(TData& data) {
    const bool hide = isInteger(data) && data.intValue == 0;
    fireInteger(bind<&THIWin::doVisible>(panel_), hide ? 0 : 1);
}

}  // namespace lr
