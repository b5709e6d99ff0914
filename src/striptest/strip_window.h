#pragma once
// TClassChildFormEx_2DF3C40: the "Strip" test window, twelve flat lamps "A" to "L" in one row, each
// painted in its channel's shaded colour.
#include <array>

#include "runtime/elements/visual_controls.h"
#include "runtime/elements/visual_layouts.h"
#include "striptest/strip_form.h"

namespace lr {

class TClassChildFormEx_2DF3C40 : public StripForm {
  public:
    static constexpr int kLampWidth = 38;

    explicit TClassChildFormEx_2DF3C40(TClassMultiBase* owner);

  private:
    THILabel& makeLamp(std::size_t channel);

    THIHBoxLayout& letters_;
    THIHBoxLayout& leds_;
};

}  // namespace lr
