#pragma once
// TClassChildGroupBox_2D0CC40: the "Startup Options" group. "Start with Windows" keeps the program's
// autorun entry; five boxes, each kept in the settings file, start an action a fixed delay after the
// program's start: connect the saved port, go to the tray, start the colour organ, the automation and
// the visualization.
#include <array>
#include <cstdint>

#include "runtime/container.h"
#include "runtime/elements/branches.h"
#include "runtime/elements/data_flow.h"
#include "runtime/elements/hub.h"
#include "runtime/elements/text_elements.h"
#include "runtime/elements/timer.h"
#include "runtime/elements/visual_controls.h"
#include "settings/ini_element.h"
#include "settings/registry_element.h"

namespace lr {

class TClassChildGroupBox_2D0CC40 : public TClassMultiBase {
  public:
    // The group's outputs, in their order.
    enum Action : std::size_t { Connect, Tray, ColorOrgan, Automation, Visualization, kActions };
    struct Option;  // an automatic action's box, setting and delay

    TClassChildGroupBox_2D0CC40(ui::Control* parent, TClassMultiBase* owner);

    // Reads every option; the ones that are on tick their box and start their delay.
    void doStart(TData& data);
    // Stores the port that the port data input gives as the one to connect at start.
    void doPort(TData& data);
    // Drops the actions still waiting for their delay (the program is closing).
    void doStop(TData& data);
    void setPort(Point point) { curCom_.Value = point; }

    // Connect gives "COM " and the saved port ("COM 3"), Tray nothing, the starts Integer 1.
    void setOnAction(Action action, Point point) { *actions_[action] = point; }

  private:
    THIGroupBox& groupBox(ui::Control* parent);
    THICheckBox& checkBox(const char* caption, int left, int top);
    THITimer& autoOption(const Option& option);
    void linkStartWithWindows();
    void linkActions();
    void programFile(TData& data);

    THIGroupBox& group_;
    THICheckBox& withWindows_;
    THIRegistry& autoRun_;
    THIRegistry& runValue_;
    THIIf_else& autoRunOn_;
    THIIf_else& autoRunOff_;
    THIHub& autoRunWrite_;
    THIIndexToChanel& runEntry_;
    std::array<THIini*, kActions> settings_{};
    std::array<THITimer*, kActions> timers_{};
    THIini& curCom_;
    THIStrCat& connectName_;
    THIHub& start_;
    std::array<Point*, kActions> actions_{};
};

}  // namespace lr
