#pragma once
// The strip windows' reading of a command text, as the controller reads it: a letter "A".."L" picks the
// channel, a digit "0".."8" sets that channel's level (255 - 31 x digit, the darkening a shade applies),
// anything else is skipped. The channel is kept between texts.
#include <array>
#include <cstddef>
#include <cstdint>

#include "runtime/element.h"
#include "runtime/point.h"

namespace lr {

class StripDecoder : public Element {
  public:
    static constexpr std::size_t kChannels = 12;

    std::array<Point, kChannels> onLevel;  // the darkening for channel k, 255 (off) .. 7 (full)

    void doText(TData& data);

  private:
    std::size_t channel_ = 0;
};

}  // namespace lr
