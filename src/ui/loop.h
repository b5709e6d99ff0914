#pragma once
// The message loop: window timers, tasks posted from any thread, nested pumping.
#include <cstdint>
#include <functional>

namespace ui {

using TimerId = std::uint64_t;

class Loop {
  public:
    virtual ~Loop() = default;

    // A periodic timer on the loop's thread; the first tick comes one interval after the start.
    virtual TimerId startTimer(std::uint32_t intervalMs, std::function<void()> tick) = 0;
    virtual void stopTimer(TimerId id) = 0;
    // Thread-safe: the task runs on the loop's thread, in posting order.
    virtual void post(std::function<void()> task) = 0;
    // Runs due timers and posted tasks, as a modal box or a long chain pumping messages does.
    virtual void pump() = 0;
    // Runs until quit(); returns the exit code.
    virtual int run() = 0;
    virtual void quit(int exitCode) = 0;
    // Milliseconds on the loop's clock (virtual in tests).
    virtual std::uint64_t nowMs() const = 0;
};

}  // namespace ui
