#include "ui/headless/timer_queue.h"

#include <algorithm>

namespace ui::headless {

TimerId TimerQueue::start(std::uint64_t now, std::uint32_t intervalMs, std::function<void()> tick) {
    const std::uint32_t interval = std::max<std::uint32_t>(intervalMs, 1);
    const TimerId id = nextId_++;
    timers_[id] = Timer{interval, now + interval, std::make_shared<std::function<void()>>(std::move(tick))};
    return id;
}

void TimerQueue::stop(TimerId id) {
    timers_.erase(id);
}

std::optional<std::uint64_t> TimerQueue::nextDue() const {
    std::optional<std::uint64_t> due;
    for (const auto& [id, t] : timers_) {
        if (!due || t.due < *due) due = t.due;
    }
    return due;
}

bool TimerQueue::runOneDue(std::uint64_t now) {
    auto earliest = timers_.end();
    for (auto it = timers_.begin(); it != timers_.end(); ++it) {
        if (it->second.due <= now && (earliest == timers_.end() || it->second.due < earliest->second.due)) {
            earliest = it;
        }
    }
    if (earliest == timers_.end()) return false;
    earliest->second.due += earliest->second.interval;
    // The tick may stop or restart its own timer; keep the callable alive while it runs.
    const auto tick = earliest->second.tick;
    (*tick)();
    return true;
}

}  // namespace ui::headless
