#pragma once
// The automation's clock: a one-second timer that reads the local time of day. The text hour:minute
// (hour without a leading zero, minute with two digits) goes out only when it changes, so once a minute;
// every tick also gives the current second.
#include <ctime>
#include <functional>
#include <string>

#include "runtime/container.h"
#include "runtime/elements/timer.h"

namespace lr {

// Where the local time of day comes from; tests give a clock of their own.
using LocalClock = std::function<std::tm()>;
LocalClock systemClock();

// "9:05", "21:30": the form a row's Time is compared with.
std::string clockText(const std::tm& t);

class MinuteClock : public TClassMultiBase {
  public:
    static constexpr std::int32_t kTick = 1000;

    MinuteClock(TClassMultiBase* owner, LocalClock clock);

    Point onTime;            // the clock text, when it changed
    Point onSecond;          // Integer 0..59, every tick
    void Time(TData& data);  // the last text given out; empty before the first tick
    std::tm now() const { return clock_(); }
    std::tm lastTime() const { return lastTime_; }  // the time the last text was made of

  private:
    void tick(TData& data);

    THITimer& timer_;
    LocalClock clock_;
    std::string last_;
    std::tm lastTime_{};
};

}  // namespace lr
