#include "runtime/elements/counters.h"

namespace lr {

namespace {

enum class Wrap { None, PastMax, PastMin };

struct Stepped {
    std::int32_t value;
    Wrap wrap;
};

// Counted in 64 bits so that a value near the ends of the range cannot overflow before the test.
Stepped stepCounter(std::int32_t value, std::int32_t step, std::int32_t min, std::int32_t max, bool down) {
    const std::int64_t next = down ? std::int64_t{value} - step : std::int64_t{value} + step;
    if (!down && next > max) return {min, Wrap::PastMax};
    if (down && next < min) return {max, Wrap::PastMin};
    return {static_cast<std::int32_t>(next), Wrap::None};
}

}  // namespace

void THICounter::doNext(TData& data) {
    value_ = stepCounter(value_, Step, Min, Max, Type == 1).value;
    forwardInteger(data, onCounter, value_);
}

void THICounter::doReset(TData&) {
    value_ = Type == 1 ? Max : Min;
}

void THICounter::Count(TData& data) {
    data = makeInteger(value_);
}

void THICounterEx::doNext(TData& data) {
    const Stepped s = stepCounter(value(), Step, Min, Max, Direction == 1);
    value_ = s.value;
    if (s.wrap == Wrap::PastMax) fireNull(onMax);
    if (s.wrap == Wrap::PastMin) fireNull(onMin);
    forwardInteger(data, onNext, s.value);
}

void THICounterEx::Count(TData& data) {
    data = makeInteger(value());
}

// The loop runs in 64 bits: an end at the edge of the integer range still terminates.
void THIFor::doFor(TData& data) {
    if (!KeepData) data = makeNull();
    stop_ = false;
    std::int64_t i = readInteger(data, Start, Start_);
    std::int64_t end = readInteger(data, End, End_);
    if (!IncludeEnd) end += Step > 0 ? -1 : 1;
    const auto inRange = [&] { return Step > 0 ? i <= end : i >= end; };
    while (Step != 0 && inRange()) {
        position_ = static_cast<std::int32_t>(i);
        fireInteger(onEvent, position_);
        if (stop_) break;
        i += Step;
    }
    position_ = static_cast<std::int32_t>(i);
    if (stop_ && BreakEvent) {
        forwardNull(data, onBreak);
    } else {
        forwardInteger(data, onStop, position_);
    }
}

void THIFor::doStop(TData&) {
    stop_ = true;
}

void THIFor::Position(TData& data) {
    data = makeInteger(position_);
}

}  // namespace lr
