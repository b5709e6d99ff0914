#pragma once
// THIHub: one event fanned out to outputs 1..Count, each receiving its own copy.
#include <vector>

#include "runtime/element.h"
#include "runtime/point.h"

namespace lr {

class THIHub : public Element {
  public:
    explicit THIHub(std::size_t count) : outputs(count) {}
    std::vector<Point> outputs;
    void doEvent(TData& data, std::uint16_t index);
};

}  // namespace lr
