#pragma once
// TClassChildGroupBox_2C2D0F0: "Effects slection". Six clickable labels, the capital of each naming its
// command letter (R, M, O, V, T, N); a click flips the switch and sends the letter and 1 (on) or 0 (off).
// An on label is green. "clr" switches every effect off.
#include <array>
#include <string_view>

#include "device/effect_group.h"
#include "device/protocol.h"

namespace lr {

class TClassChildGroupBox_2C2D0F0 : public EffectGroup {
  public:
    static constexpr int kHeight = 48;
    static constexpr std::size_t kEffects = device::kEffectLetters.size();
    static constexpr ui::Color kOn = 65280;
    static constexpr ui::Color kOff = 12639424;
    static const std::array<const char*, kEffects> kCaptions;

    TClassChildGroupBox_2C2D0F0(ui::Control* parent, TClassMultiBase* owner, int top);

    // Takes the switch characters of a device state; only a switch that changes sends its command.
    void apply(std::string_view state);
    // The "clr" button.
    void clear(TData& data);

  private:
    void clicked(TData& data, std::uint16_t effect);
    void turn(std::size_t effect, bool on);

    std::array<THILabel*, kEffects> labels_{};
    std::array<bool, kEffects> on_{};
    THIBitBtn& clear_;
};

}  // namespace lr
