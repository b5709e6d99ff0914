#pragma once
// TClassChildPanelEx_1EF8A50: the bar of seven mode buttons. The chosen button takes the selected colour
// and the others the plain one, row by row from the colour table; a user's choice is reported, a choice
// handed in from outside only recoloured.
#include <array>
#include <cstdint>
#include <string_view>

#include "runtime/container.h"
#include "runtime/elements/visual_buttons.h"
#include "runtime/elements/visual_controls.h"
#include "runtime/elements/visual_layouts.h"
#include "runtime/multi_element.h"

namespace lr {

inline constexpr std::size_t kModeCount = 7;
// The mode itself, or Connect (0) for a value that is none.
inline std::size_t validMode(std::int32_t mode) {
    return mode >= 0 && static_cast<std::size_t>(mode) < kModeCount ? static_cast<std::size_t>(mode) : 0;
}

struct ModeButton {
    std::string_view caption;
    std::string_view bitmap;
};
inline constexpr std::array<ModeButton, kModeCount> kModeButtons = {{{"Connect", "BITMAP7"},
                                                                     {"Effect", "BITMAP10"},
                                                                     {"C.Organ", "BITMAP8"},
                                                                     {"Ambilight", "BITMAP11"},
                                                                     {"Auto", "BITMAP6"},
                                                                     {"Visual", "BITMAP9"},
                                                                     {"WS2812", "BITMAP12"}}};

class TClassChildPanelEx_1EF8A50 : public TClassMultiBase {
  public:
    // Input 0: show mode k as selected without reporting it. Output 0: mode k chosen by the user. Data
    // output 0: the current mode.
    TClassChildPanelEx_1EF8A50(ui::Control* parent, TClassMultiBase* owner, THIMultiElement& outer);

  private:
    void select(TData& data);
    void chosen(TData& data, std::uint16_t mode);
    void mode(TData& data);
    void recolour(std::int32_t mode);

    THIEditMulti& edge_;
    THIPanel& bar_;
    THIHBoxLayout& layout_;
    std::array<THIBitBtn*, kModeCount> buttons_{};
    std::int32_t mode_ = 0;
};

}  // namespace lr
