#include "device/strip_page.h"

#include <utility>

namespace lr {

TClassChildPanel_30E4490::TClassChildPanel_30E4490(ui::Control* parent, TClassMultiBase* owner,
                                                   THIMultiElement& outer, LocalClock clock)
    : TClassMultiBase(parent, owner),
      edge_(make<THIEditMulti>(outer, 2, 0)),
      panel_(totalPanel(parent)),
      control_(own<TClassChildGroupBox_30E4540>(&panel_.control(), this)),
      recorder_(own<TClassChildGroupBox_30E5510>(
          &panel_.control(), this, ui::Point{0, TClassChildGroupBox_30E4540::kHeight + 1}, std::move(clock))),
      commands_(make<THIHub>(2)) {
    join(edge_);
    edge_.inputs[0] = bind<&THIPanel::doVisible>(panel_);
    edge_.inputs[1] = bind<&TClassChildGroupBox_30E4540::doStart>(control_);
    control_.setOnCommand(bind<&THIHub::doEvent>(commands_));
    commands_.outputs[0] = bind<&THIEditMulti::output>(edge_, 0);
    commands_.outputs[1] = bind<&TClassChildGroupBox_30E5510::doCommand>(recorder_);
    recorder_.setOnRow(bind<&THIEditMulti::output>(edge_, 1));
}

THIPanel& TClassChildPanel_30E4490::totalPanel(ui::Control* parent) {
    THIPanel& p = make<THIPanel>(parent);
    p.Name = "totalpanel";
    p.Color_ = 0xC0C0C0;
    p.Width_ = kWidth;
    p.Height_ = kHeight;
    p.Visible = false;  // the main window shows one page
    p.init();
    return p;
}

}  // namespace lr
