#pragma once
// A local clock that follows the virtual loop from a chosen wall time. A daylight-saving change moves
// the wall time by an hour at a chosen moment, as the system's local time does.
#include <cstdint>
#include <ctime>

#include "automation/minute_clock.h"
#include "ui/loop.h"

struct WallTime {
    int hour = 0;
    int minute = 0;
    int second = 0;
};

class TestClock {
  public:
    TestClock(const ui::Loop& loop, WallTime start) : loop_(loop), base_(secondsOf(start)) {}

    // From `afterMs` on the loop, the wall time runs `shiftMinutes` off (+60 spring, -60 autumn).
    void shiftAt(std::uint64_t afterMs, int shiftMinutes) {
        shiftAfter_ = afterMs;
        shift_ = shiftMinutes * 60;
    }
    std::tm now() const {
        const std::uint64_t ms = loop_.nowMs();
        long long s = base_ + static_cast<long long>(ms / 1000) + (ms >= shiftAfter_ ? shift_ : 0);
        s %= 24 * 3600;
        std::tm t{};
        t.tm_hour = static_cast<int>(s / 3600);
        t.tm_min = static_cast<int>(s / 60 % 60);
        t.tm_sec = static_cast<int>(s % 60);
        return t;
    }
    lr::LocalClock clock() const {
        return [this] { return now(); };
    }

  private:
    static long long secondsOf(WallTime w) { return w.hour * 3600LL + w.minute * 60LL + w.second; }

    const ui::Loop& loop_;
    long long base_;
    std::uint64_t shiftAfter_ = UINT64_MAX;
    long long shift_ = 0;
};
