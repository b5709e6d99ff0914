#include "device/connect_page.h"

namespace lr {

TClassChildPanel_2D0BB10::TClassChildPanel_2D0BB10(ui::Control* parent, TClassMultiBase* owner,
                                                   THIMultiElement& outer)
    : TClassMultiBase(parent, owner),
      edge_(make<THIEditMulti>(outer, 3, 2)),
      panel_(totalPanel(parent)),
      port_(own<TClassChildGroupBox_2D0BBC0>(&panel_.control(), this)),
      startup_(own<TClassChildGroupBox_2D0CC40>(&panel_.control(), this)),
      send_(own<TClassChildGroupBox_2D0DA00>(&panel_.control(), this)),
      start_(make<THIHub>(2)),
      opened_(make<THIHub>(2)),
      portName_(make<THIStrCat>()) {
    join(edge_);
    linkEdge();
    linkGroups();
}

THIPanel& TClassChildPanel_2D0BB10::totalPanel(ui::Control* parent) {
    THIPanel& p = make<THIPanel>(parent);
    p.Name = "totalpanel";
    p.Color_ = 0xC0C0C0;  // the main window's, and every group's on the page
    p.Width_ = kWidth;
    p.Height_ = kHeight;
    p.init();
    return p;
}

void TClassChildPanel_2D0BB10::linkEdge() {
    edge_.inputs[0] = bind<&THIPanel::doVisible>(panel_);
    edge_.inputs[1] = bind<&THIHub::doEvent>(start_);
    edge_.inputs[2] = bind<&TClassChildGroupBox_2D0CC40::doStop>(startup_);
    edge_.dataOutputs[0] = bind<&TClassChildGroupBox_2D0BBC0::PortNumber>(port_);
    edge_.dataOutputs[1] = bind<&TClassChildGroupBox_2D0BBC0::PortBaud>(port_);
}

// The ports are listed before the startup options may open the saved one.
void TClassChildPanel_2D0BB10::linkGroups() {
    using Startup = TClassChildGroupBox_2D0CC40;
    start_.outputs[0] = bind<&TClassChildGroupBox_2D0BBC0::doScan>(port_);
    start_.outputs[1] = bind<&Startup::doStart>(startup_);

    port_.setOnOpenPort(bind<&THIHub::doEvent>(opened_));
    port_.setOnClosePort(bind<&THIEditMulti::output>(edge_, 2));
    opened_.outputs[0] = bind<&THIStrCat::doStrCat>(portName_);
    opened_.outputs[1] = bind<&Startup::doPort>(startup_);
    portName_.Str1_ = "COM";
    portName_.onResult = bind<&THIEditMulti::output>(edge_, 1);

    startup_.setPort(bind<&TClassChildGroupBox_2D0BBC0::PortNumber>(port_));
    startup_.setOnAction(Startup::Connect, bind<&TClassChildGroupBox_2D0BBC0::doOpenItem>(port_));
    startup_.setOnAction(Startup::Tray, bind<&THIEditMulti::output>(edge_, 3));
    startup_.setOnAction(Startup::ColorOrgan, bind<&THIEditMulti::output>(edge_, 4));
    startup_.setOnAction(Startup::Automation, bind<&THIEditMulti::output>(edge_, 5));
    startup_.setOnAction(Startup::Visualization, bind<&THIEditMulti::output>(edge_, 6));

    send_.setOnCommand(bind<&THIEditMulti::output>(edge_, 0));
}

}  // namespace lr
