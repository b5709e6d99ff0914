#pragma once
// An integer the loop thread sets and any thread reads, each read one atomic load: how the layout
// index and the balance positions reach a sampling pass without a lock and without waiting.
#include <atomic>
#include <cstdint>

#include "runtime/element.h"
#include "runtime/point.h"

namespace lr {

class PublishedValue : public Element {
  public:
    explicit PublishedValue(std::int32_t initial = 0) : value_(initial) {}
    Point onData;
    void doValue(TData& data);  // stores the value and passes it on
    void Value(TData& data);

  private:
    std::atomic<std::int32_t> value_;
};

}  // namespace lr
