#pragma once
// A loop on the steady clock, for the Linux program without a window system.
#include <chrono>
#include <condition_variable>
#include <mutex>

#include "ui/headless/task_queue.h"
#include "ui/headless/timer_queue.h"
#include "ui/loop.h"

namespace ui::headless {

class RealtimeLoop : public Loop {
  public:
    RealtimeLoop();
    TimerId startTimer(std::uint32_t intervalMs, std::function<void()> tick) override;
    void stopTimer(TimerId id) override;
    void post(std::function<void()> task) override;
    void pump() override;
    int run() override;
    void quit(int exitCode) override;
    std::uint64_t nowMs() const override;

  private:
    void waitForWork();

    std::chrono::steady_clock::time_point start_;
    TimerQueue timers_;
    TaskQueue tasks_;
    std::mutex wakeMutex_;
    std::condition_variable wake_;
    bool woken_ = false;
    bool quit_ = false;
    int exitCode_ = 0;
};

}  // namespace ui::headless
