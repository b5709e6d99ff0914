#pragma once
// TClassChildPanel_2D0DED0: the Auto page. The "Timer" group runs the scheduler, which checks the
// "Table of Actions" at every new clock text and sends the rows that are due; the "Save Actions" group
// adds rows typed by hand.
// Inputs: 0 show (any value but Integer 0) or hide; 1 start (loads "actions.ini" when there is one);
// 2 closing (saves "actions.ini"); 3 a row text "Time>List of Actions[>Description]" to add;
// 4 scheduler: 1 starts, 0 stops.
// Outputs: 0 a due row's List of Actions text (the commands); 1 Integer 1 at every start (the mode
// started); 2 the running state, 1 at a start, 0 at a stop.
#include "automation/minute_clock.h"
#include "automation/recorder_group.h"
#include "automation/table_check.h"
#include "automation/table_group.h"
#include "automation/timer_group.h"
#include "runtime/container.h"
#include "runtime/elements/visual_controls.h"
#include "runtime/multi_element.h"

namespace lr {

class TClassChildPanel_2D0DED0 : public TClassMultiBase {
  public:
    static constexpr int kWidth = 525;
    static constexpr int kHeight = 479;

    TClassChildPanel_2D0DED0(ui::Control* parent, TClassMultiBase* owner, THIMultiElement& outer,
                             LocalClock clock = systemClock());

  private:
    THIPanel& totalPanel(ui::Control* parent);
    void linkEdge();
    void linkScheduler();
    void show(TData& data);
    void started(TData& data);
    void minute(TData& data);
    Point output(std::uint16_t index) { return bind<&THIEditMulti::output>(edge_, index); }

    THIEditMulti& edge_;
    THIPanel& panel_;
    TClassChildGroupBox_2D0DF80& timer_;
    TClassChildGroupBox_2D0E5B0& table_;
    TClassChildGroupBox_2D0F000& recorder_;
    ActionCheck& check_;
};

}  // namespace lr
