#pragma once
// Arrays through their accessors: THIArrayRW writes an item, THIArrayEnum walks them.
#include <cstdint>

#include "runtime/element.h"
#include "runtime/point.h"

namespace lr {

class THIArrayRW : public Element {
  public:
    std::int32_t Index_ = 0;
    Point Array;
    Point Index;
    Point Value;
    void doWrite(TData& data);
};

class THIArrayEnum : public Element {
  public:
    bool Reverse = false;
    bool BreakEvent = false;
    Point Array;
    Point onItem;
    Point onEnd;
    Point onBreak;
    void doEnum(TData& data);
    void doStop(TData& data);

  private:
    bool stopped_ = false;
};

}  // namespace lr
