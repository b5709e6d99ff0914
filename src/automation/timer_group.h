#pragma once
// TClassChildGroupBox_2D0DF80: the "Timer" group. The clock, Start and Stop of the scheduler, the
// seconds bar, and the row executed last after "Last executed actions:".
#include <ctime>
#include <string>

#include "automation/minute_clock.h"
#include "runtime/container.h"
#include "runtime/elements/visual_buttons.h"
#include "runtime/elements/visual_controls.h"
#include "runtime/elements/visual_sliders.h"

namespace lr {

class TClassChildGroupBox_2D0DF80 : public TClassMultiBase {
  public:
    static constexpr int kWidth = 523;
    static constexpr int kHeight = 72;

    TClassChildGroupBox_2D0DF80(ui::Control* parent, TClassMultiBase* owner, LocalClock clock);

    Point onStarted;             // Integer 1, first of every start
    Point onStart;               // then the start time as two Integers, hour and minute
    Point onRunning;             // Integer 1 at every start, 0 at every stop
    Point onMinute;              // each new clock text while the scheduler runs
    void doSwitch(TData& data);  // 1 starts, 0 stops, other values nothing
    void doShow(TData& data);    // the three cells of the row executed last
    bool running() const { return on_; }
    std::tm minuteTime() const { return clock_.lastTime(); }  // what the last onMinute was made of

  private:
    THIGroupBox& groupBox(ui::Control* parent);
    THILabel& label(std::string caption, ui::Rect r);
    THIBitBtn& button(std::string caption, std::string hint, int left);
    THITrackBar& secondsBar();
    void start(TData& data);
    void stop(TData& data);
    void minute(TData& data);
    void second(TData& data);
    void showSwitch();

    THIGroupBox& group_;
    THILabel& time_;
    THIBitBtn& start_;
    THIBitBtn& stop_;
    THITrackBar& seconds_;
    THILabel& lastLabel_;
    THILabel& mark_;
    THILabel& lastTime_;
    THILabel& lastActions_;
    THILabel& lastDescription_;
    MinuteClock& clock_;
    bool on_ = false;
    std::string startMinute_;  // the clock text at the last start, until the next text
};

}  // namespace lr
