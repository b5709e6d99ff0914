#pragma once
// TClassChildPanel_30E4490: the WS2812 page. The strip functions' control group and a "Save Actions"
// recorder that collects what the group sends (its clock is TClassMultiElement_30E55C0).
// Inputs: 0 show (any value but Integer 0) or hide, 1 start (the stored "on" functions are sent again
// 4 s later).
// Outputs: 0 command ("_5", "^5", or the "ReSend All" line), 1 a recorded sequence, as a row text for the
// action table.
#include "automation/recorder_group.h"
#include "device/strip_control.h"
#include "runtime/container.h"
#include "runtime/elements/hub.h"
#include "runtime/elements/visual_controls.h"
#include "runtime/multi_element.h"

namespace lr {

class TClassChildPanel_30E4490 : public TClassMultiBase {
  public:
    static constexpr int kWidth = 525;
    static constexpr int kHeight = 186;

    // `clock` is the recorder's time of day.
    TClassChildPanel_30E4490(ui::Control* parent, TClassMultiBase* owner, THIMultiElement& outer,
                             LocalClock clock = systemClock());

  private:
    THIPanel& totalPanel(ui::Control* parent);

    THIEditMulti& edge_;
    THIPanel& panel_;
    TClassChildGroupBox_30E4540& control_;
    TClassChildGroupBox_30E5510& recorder_;
    THIHub& commands_;
};

}  // namespace lr
