#include "automation/minute_clock.h"

#include "runtime/elements/system_elements.h"

namespace lr {

LocalClock systemClock() {
    return localNow;
}

std::string clockText(const std::tm& t) {
    const char* pad = t.tm_min < 10 ? ":0" : ":";
    return std::to_string(t.tm_hour) + pad + std::to_string(t.tm_min);
}

MinuteClock::MinuteClock(TClassMultiBase* owner, LocalClock clock)
    : TClassMultiBase(nullptr, owner), timer_(make<THITimer>()), clock_(std::move(clock)) {
    timer_.Interval = kTick;
    timer_.onTimer = bind<&MinuteClock::tick>(*this);
    timer_.setEnable(true);
}

void MinuteClock::Time(TData& data) {
    data = makeString(last_);
}

void MinuteClock::tick(TData&) {
    const std::tm t = clock_();
    std::string text = clockText(t);
    if (text != last_) {
        last_ = text;
        lastTime_ = t;
        fireString(onTime, std::move(text));
    }
    fireInteger(onSecond, t.tm_sec);
}

}  // namespace lr
