#pragma once
// TClassChildPanel_2C2EA60: the Ambilight page. Start sends "P1", reports the mode started and starts
// sampling; each pass turns the four region colours into channel commands.
// Inputs: 0 show (any value but Integer 0) or hide; 1 Integer 1 acts as Start, 0 as Stop.
// Outputs: 0 the commands ("P1", then "E6"...), always on the loop thread, in the order made: the
// sampling thread's are posted there; 1 Integer 1 at every start; 2 the running state, 1 or 0.
#include "ambilight/ambilight_groups.h"
#include "ambilight/colors_group.h"
#include "runtime/container.h"
#include "runtime/elements/data_flow.h"
#include "runtime/elements/hub.h"
#include "runtime/elements/loop_relay.h"
#include "runtime/elements/visual_controls.h"
#include "runtime/multi_element.h"

namespace lr {

class TClassChildPanel_2C2EA60 : public TClassMultiBase {
  public:
    static constexpr int kWidth = 525;
    static constexpr int kHeight = 435;

    TClassChildPanel_2C2EA60(ui::Control* parent, TClassMultiBase* owner, THIMultiElement& outer);

    // Waits for the sampling and preview passes now running.
    void waitForPasses() { colors_.waitForPasses(); }

  private:
    THIPanel& totalPanel(ui::Control* parent);
    THIDoData& modeCommand();
    void linkControl();
    void show(TData& data);
    Point output(std::uint16_t index) { return bind<&THIEditMulti::output>(edge_, index); }

    THIEditMulti& edge_;
    THILoopRelay& commands_;
    THIPanel& panel_;
    TClassChildGroupBox_2C2EB10& control_;
    TClassChildGroupBox_2D0A9E0& balance_;
    TClassChildGroupBox_2C2EF30& colors_;
    TClassChildGroupBox_2D0AA90& proportions_;
    THIDoData& p1_;
    THIHub& start_;
};

}  // namespace lr
