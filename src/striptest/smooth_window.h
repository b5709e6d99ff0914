#pragma once
// TClassChildFormEx_2DF5450: the "Smooth Strip" test window, thirteen gradient lamps in a row, each
// running from the previous channel's colour to its own. Lamps 12 and 13 both answer for channel L;
// lamp 13 has no channel and fades L to black.
#include <array>

#include "runtime/elements/visual_layouts.h"
#include "striptest/smooth_block.h"
#include "striptest/strip_form.h"

namespace lr {

class TClassChildFormEx_2DF5450 : public StripForm {
  public:
    static constexpr std::size_t kLamps = 13;
    static constexpr int kLampWidth = 35;

    explicit TClassChildFormEx_2DF5450(TClassMultiBase* owner);

  private:
    ThiButtonRush& makeLamp(std::size_t lamp);

    THIMemory& black_;  // what lamp 1 reads as its previous colour
    THIHBoxLayout& letters_;
    THIHBoxLayout& leds_;
    std::array<TClassMultiElementEx_2DF66E0*, kLamps> blocks_{};
};

}  // namespace lr
