#pragma once
// Periodic timers kept by due time, for the loops that keep their own clock.
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>

#include "ui/loop.h"

namespace ui::headless {

class TimerQueue {
  public:
    TimerId start(std::uint64_t now, std::uint32_t intervalMs, std::function<void()> tick);
    void stop(TimerId id);
    std::optional<std::uint64_t> nextDue() const;
    // Runs the earliest timer due at or before `now`; false when none is due.
    bool runOneDue(std::uint64_t now);
    std::size_t size() const { return timers_.size(); }  // the live timers, for leak checks

  private:
    struct Timer {
        std::uint32_t interval;
        std::uint64_t due;
        std::shared_ptr<std::function<void()>> tick;
    };
    std::map<TimerId, Timer> timers_;
    TimerId nextId_ = 1;
};

}  // namespace ui::headless
