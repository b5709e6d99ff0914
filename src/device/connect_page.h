#pragma once
// TClassChildPanel_2D0BB10: the Connect page. The port panel, the startup options and the free-text
// command box.
// Inputs: 0 show (any value but Integer 0) or hide, 1 start (scan the ports, then the startup
// options), 2 closing (the startup actions still waiting are dropped).
// Outputs: 0 command, 1 open the port named ("COM5"), 2 close the port, 3 minimise to the tray,
// 4 start the colour organ, 5 start automation, 6 start visualization (each start Integer 1).
// Data outputs: 0 the port number text ("5"), 1 the baud rate (Integer 9600).
#include "device/port_panel.h"
#include "device/send_command.h"
#include "runtime/container.h"
#include "runtime/elements/hub.h"
#include "runtime/elements/text_elements.h"
#include "runtime/elements/visual_controls.h"
#include "runtime/multi_element.h"
#include "settings/startup_options.h"

namespace lr {

class TClassChildPanel_2D0BB10 : public TClassMultiBase {
  public:
    static constexpr int kWidth = 525;
    static constexpr int kHeight = 181;

    TClassChildPanel_2D0BB10(ui::Control* parent, TClassMultiBase* owner, THIMultiElement& outer);

  private:
    THIPanel& totalPanel(ui::Control* parent);
    void linkEdge();
    void linkGroups();

    THIEditMulti& edge_;
    THIPanel& panel_;
    TClassChildGroupBox_2D0BBC0& port_;
    TClassChildGroupBox_2D0CC40& startup_;
    TClassChildGroupBox_2D0DA00& send_;
    THIHub& start_;
    THIHub& opened_;
    THIStrCat& portName_;
};

}  // namespace lr
