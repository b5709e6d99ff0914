#pragma once
// TClassChildPanel_2A602B0: the Effect page. The controller's EEPROM, programs, speed, brightness,
// brightness change and effect switches, driven directly, and a "Save Actions" recorder of what they send
// (its clock is TClassMultiElement_2C2E010).
// Inputs: 0 show (any value but Integer 0) or hide; 1 start (the controls show the last applied state);
// 2 doApplyState, a device state such as the read-back's; 3 doReset (program 1, effects off, brightness
// all 0, each sent).
// Outputs: 0 onCommand, every command of every group (an empty string for each one muted); 1 onReadBack,
// after "Read Effect" sent "Z2"; 2 onSequence, a recorded sequence as a row text for the action table.
#include <string>

#include "automation/recorder_group.h"
#include "device/effect_brightness.h"
#include "device/effect_change.h"
#include "device/effect_eeprom.h"
#include "device/effect_programs.h"
#include "device/effect_speed.h"
#include "device/effect_switches.h"
#include "runtime/container.h"
#include "runtime/elements/data_flow.h"
#include "runtime/elements/hub.h"
#include "runtime/elements/str_list.h"
#include "runtime/elements/visual_controls.h"
#include "runtime/multi_element.h"

namespace lr {

class TClassChildPanel_2A602B0 : public TClassMultiBase {
  public:
    static constexpr int kWidth = 525;
    static constexpr int kHeight = 502;

    // `clock` is the recorder's time of day.
    TClassChildPanel_2A602B0(ui::Control* parent, TClassMultiBase* owner, THIMultiElement& outer,
                             LocalClock clock = systemClock());

    void doSelectProgram(TData& data);
    void doApplyState(TData& data);
    void doReset(TData& data);

  private:
    THIPanel& totalPanel(ui::Control* parent);
    void linkEdge();
    void linkGroups();
    void start(TData& data);
    void programSelected(TData& data);
    void groupCommand(TData& data);
    // The groups set their controls from the state; what they send meanwhile is muted.
    void applyMuted(const std::string& state);
    std::int32_t currentProgram();

    THIEditMulti& edge_;
    THIPanel& panel_;
    TClassChildGroupBox_2A60360& eeprom_;
    TClassChildGroupBox_2A60570& programs_;
    TClassChildGroupBox_2A60990& speed_;
    TClassChildGroupBox_2A60A40& brightness_;
    TClassChildGroupBox_2C2B620& change_;
    TClassChildGroupBox_2C2D0F0& effects_;
    TClassChildGroupBox_2C2DF60& recorder_;
    THIStrList& presets_;
    THIMemory& program_;
    THIMemory& lastState_;
    THIHub& commands_;
    bool muted_ = false;
};

}  // namespace lr
