#include "runtime/elements/timer.h"

#include <algorithm>

#include "runtime/error.h"
#include "ui/platform.h"

namespace lr {

THITimer::~THITimer() {
    if (running_) loop_->stopTimer(id_);
}

void THITimer::setEnable(bool enable) {
    if (enable) {
        ticksLeft_ = Count;
        start();
    } else {
        halt();
    }
}

void THITimer::doTimer(TData&) {
    halt();
    ticksLeft_ = Count;
    start();
}

void THITimer::doStop(TData&) {
    halt();
    fireNull(onStop);
}

void THITimer::doInterval(TData& data) {
    Interval = toInteger(data);
    if (!running_) return;
    loop_->stopTimer(id_);
    start();
}

void THITimer::start() {
    loop_ = &ui::platform().loop();
    const auto interval = static_cast<std::uint32_t>(std::max<std::int32_t>(Interval, 1));
    id_ = loop_->startTimer(interval, [this] { tick(); });
    running_ = true;
    ++run_;
}

// Stopping drops the ticks still waiting: they belonged to the run that ended.
void THITimer::halt() {
    if (running_) loop_->stopTimer(id_);
    running_ = false;
    pending_ = 0;
    ++run_;
}

// A chain that pumps the loop lets further ticks in; they wait here and run after it, one by one.
void THITimer::tick() {
    ++pending_;
    if (ticking_) return;
    ticking_ = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{ticking_};
    while (pending_ > 0) {
        --pending_;
        runTick();
    }
}

// An endless timer (Count <= 0) never counts down, so its count cannot wrap back to 0.
void THITimer::runTick() {
    const bool last = ticksLeft_ > 0 && --ticksLeft_ == 0;
    if (last) halt();
    const std::uint32_t run = run_;
    runGuarded([this] { fireNull(onTimer); });
    // A chain that stopped or restarted the timer has already settled what follows.
    if (last && run == run_) runGuarded([this] { fireNull(onStop); });
}

}  // namespace lr
