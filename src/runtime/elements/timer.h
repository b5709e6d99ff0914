#pragma once
// THITimer: a window timer on the message loop that fires onTimer per tick, optionally a fixed number of
// times.
#include <cstdint>

#include "runtime/element.h"
#include "runtime/point.h"
#include "ui/loop.h"

namespace lr {

class THITimer : public Element {
  public:
    ~THITimer() override;

    std::int32_t Interval = 1000;  // ms
    std::int32_t Count = 0;        // ticks per run; 0 = endless
    // Enable: running from creation. Set it after Interval and Count.
    void setEnable(bool enable);

    Point onTimer;
    Point onStop;
    void doTimer(TData& data);
    void doStop(TData& data);
    void doInterval(TData& data);

  private:
    void start();
    void halt();
    void tick();
    void runTick();

    ui::Loop* loop_ = nullptr;  // the loop the running timer belongs to
    ui::TimerId id_ = 0;
    bool running_ = false;
    std::int32_t ticksLeft_ = 0;
    std::uint32_t run_ = 0;      // changes on every start and stop
    std::uint32_t pending_ = 0;  // ticks waiting for the running chain
    bool ticking_ = false;
};

}  // namespace lr
