#include "ui/headless/realtime_loop.h"

namespace ui::headless {

RealtimeLoop::RealtimeLoop() : start_(std::chrono::steady_clock::now()) {}

std::uint64_t RealtimeLoop::nowMs() const {
    const auto elapsed = std::chrono::steady_clock::now() - start_;
    return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

TimerId RealtimeLoop::startTimer(std::uint32_t intervalMs, std::function<void()> tick) {
    return timers_.start(nowMs(), intervalMs, std::move(tick));
}

void RealtimeLoop::stopTimer(TimerId id) {
    timers_.stop(id);
}

void RealtimeLoop::post(std::function<void()> task) {
    tasks_.push(std::move(task));
    {
        std::lock_guard lock(wakeMutex_);
        woken_ = true;
    }
    wake_.notify_one();
}

void RealtimeLoop::pump() {
    tasks_.runPending();
    while (timers_.runOneDue(nowMs()))
        tasks_.runPending();
}

void RealtimeLoop::waitForWork() {
    std::unique_lock lock(wakeMutex_);
    const auto due = timers_.nextDue();
    const auto ready = [this] { return woken_ || quit_; };
    if (due) {
        wake_.wait_until(lock, start_ + std::chrono::milliseconds(*due), ready);
    } else {
        wake_.wait(lock, ready);
    }
    woken_ = false;
}

int RealtimeLoop::run() {
    for (;;) {
        pump();
        {
            std::lock_guard lock(wakeMutex_);
            if (quit_) break;
        }
        waitForWork();
    }
    return exitCode_;
}

void RealtimeLoop::quit(int exitCode) {
    {
        std::lock_guard lock(wakeMutex_);
        exitCode_ = exitCode;
        quit_ = true;
    }
    wake_.notify_one();
}

}  // namespace ui::headless
