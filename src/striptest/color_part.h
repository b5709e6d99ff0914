#pragma once
// One part of a stored colour list. A hand-edited or damaged list must not paint lamps in stray colours:
// a part that is not a plain decimal colour (0 .. 16777215) gives the default red.
#include <cstdint>
#include <optional>
#include <string_view>

#include "runtime/element.h"
#include "runtime/point.h"

namespace lr {

inline constexpr std::int32_t kStripDefaultColor = 255;

std::optional<std::int32_t> parseColorPart(std::string_view part);

class StripColorPart : public Element {
  public:
    Point onColor;
    void doPart(TData& data);
};

}  // namespace lr
