#include "ui/headless/virtual_loop.h"

#include <algorithm>

namespace ui::headless {

TimerId VirtualLoop::startTimer(std::uint32_t intervalMs, std::function<void()> tick) {
    return timers_.start(now_, intervalMs, std::move(tick));
}

void VirtualLoop::stopTimer(TimerId id) {
    timers_.stop(id);
}

void VirtualLoop::post(std::function<void()> task) {
    tasks_.push(std::move(task));
}

void VirtualLoop::pump() {
    tasks_.runPending();
    while (timers_.runOneDue(now_))
        tasks_.runPending();
}

void VirtualLoop::advance(std::uint64_t ms) {
    const std::uint64_t target = now_ + ms;
    tasks_.runPending();
    for (auto due = timers_.nextDue(); due && *due <= target; due = timers_.nextDue()) {
        now_ = std::max(now_, *due);
        timers_.runOneDue(now_);
        tasks_.runPending();
    }
    now_ = std::max(now_, target);
    tasks_.runPending();
}

int VirtualLoop::run() {
    quit_ = false;
    while (!quit_) {
        if (tasks_.runPending()) continue;
        const auto due = timers_.nextDue();
        if (!due) break;
        advance(*due > now_ ? *due - now_ : 0);
    }
    return exitCode_;
}

void VirtualLoop::quit(int exitCode) {
    exitCode_ = exitCode;
    quit_ = true;
}

}  // namespace ui::headless
