#include "shell/pending_page.h"

namespace lr {

TClassPendingPage::TClassPendingPage(ui::Control* parent, TClassMultiBase* owner, THIMultiElement& outer,
                                     std::size_t inputs)
    : TClassMultiBase(parent, owner),
      edge_(make<THIEditMulti>(outer, inputs, 0)),
      panel_(make<THIPanel>(parent)) {
    join(edge_);
    panel_.Name = "totalpanel";
    panel_.Width_ = 525;
    panel_.Height_ = 180;
    panel_.Color_ = 0xC0C0C0;
    panel_.Visible = false;
    panel_.init();
    edge_.inputs[0] = bind<&THIWin::doVisible>(panel_);
}

}  // namespace lr
