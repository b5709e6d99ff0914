#pragma once
// TClassChildGroupBox_2A60A40: "Channel Brightness". A vertical track bar 0..8 and a letter label per
// channel A..L. The level is "(8-%1)" of the position, so the top is full; each position set sends the
// letter and the level and colours the letter by level. A click on the letter switches the channel
// between full and off; "clr" sets every channel to 0.
#include <array>
#include <string_view>

#include "device/effect_group.h"
#include "device/protocol.h"
#include "expr/math_parse.h"
#include "runtime/elements/visual_sliders.h"

namespace lr {

class TClassChildGroupBox_2A60A40 : public EffectGroup {
  public:
    static constexpr int kHeight = 122;
    static constexpr int kFull = 8;
    static constexpr const char* kLevelFormula = "(8-%1)";
    // The letter's colour by level, 0x00BBGGRR: white at 0 to dark red at 8.
    static constexpr std::array<ui::Color, kFull + 1> kLevelColors = {
        16777215, 13948159, 11645439, 9342719, 7039999, 4737279, 2434559, 255, 220,
    };

    TClassChildGroupBox_2A60A40(ui::Control* parent, TClassMultiBase* owner, int top);

    // Takes the level characters of a device state.
    void apply(std::string_view state);
    // The "clr" button.
    void clear(TData& data);

  private:
    struct Channel {
        THITrackBar* bar;
        THIMathParse* level;
        THILabel* letter;
    };

    Channel channel(std::size_t c);
    void leveled(TData& data, std::uint16_t c);
    void toggle(TData& data, std::uint16_t c);
    void setPosition(std::size_t c, std::int32_t position);

    std::array<Channel, device::kChannelCount> channels_{};
    THIBitBtn& clear_;
};

}  // namespace lr
