#pragma once
// A loop on a virtual clock: time moves only when a test calls advance().
#include <atomic>

#include "ui/headless/task_queue.h"
#include "ui/headless/timer_queue.h"
#include "ui/loop.h"

namespace ui::headless {

class VirtualLoop : public Loop {
  public:
    TimerId startTimer(std::uint32_t intervalMs, std::function<void()> tick) override;
    void stopTimer(TimerId id) override;
    void post(std::function<void()> task) override;
    void pump() override;
    // Runs until quit(), jumping the clock from one due timer to the next; stops when nothing is left to run.
    int run() override;
    void quit(int exitCode) override;
    std::uint64_t nowMs() const override { return now_; }

    // Moves the clock forward, running every timer that falls due, in order, and the posted tasks.
    void advance(std::uint64_t ms);
    std::size_t timerCount() const { return timers_.size(); }

  private:
    TimerQueue timers_;
    TaskQueue tasks_;
    std::uint64_t now_ = 0;
    std::atomic<bool> quit_{false};
    int exitCode_ = 0;
};

}  // namespace ui::headless
