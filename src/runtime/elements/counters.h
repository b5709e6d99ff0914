#pragma once
// Counters and the counting loop: THICounter, THICounterEx, THIFor.
#include <cstdint>
#include <optional>

#include "runtime/element.h"
#include "runtime/point.h"

namespace lr {

// Steps a value between Min and Max, wrapping to the other end; starts at 0.
class THICounter : public Element {
  public:
    std::int32_t Min = 0;
    std::int32_t Max = 0;
    std::int32_t Step = 1;
    std::int32_t Type = 0;  // 0 up, 1 down
    Point onCounter;
    void doNext(TData& data);
    void doReset(TData& data);
    void Count(TData& data);

  private:
    std::int32_t value_ = 0;
};

// Like THICounter, starting at Start, and reporting each wrap before the new value.
class THICounterEx : public Element {
  public:
    std::int32_t Min = 0;
    std::int32_t Max = 0;
    std::int32_t Step = 1;
    std::int32_t Direction = 0;  // 0 up, 1 down
    std::int32_t Start = 0;
    Point onNext;
    Point onMax;
    Point onMin;
    void doNext(TData& data);
    void Count(TData& data);

  private:
    std::int32_t value() const { return value_.value_or(Start); }
    std::optional<std::int32_t> value_;  // empty until the first step
};

class THIFor : public Element {
  public:
    std::int32_t Start_ = 0;  // the `Start` property
    std::int32_t End_ = 0;    // the `End` property
    std::int32_t Step = 1;
    bool IncludeEnd = false;
    bool KeepData = false;
    bool BreakEvent = false;
    Point Start;  // the `Start` input
    Point End;    // the `End` input
    Point onEvent;
    Point onStop;
    Point onBreak;
    void doFor(TData& data);
    void doStop(TData& data);
    void Position(TData& data);

  private:
    std::int32_t position_ = 0;
    bool stop_ = false;
};

}  // namespace lr
