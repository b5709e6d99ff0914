#include "device/effect_switches.h"

#include "device/effect_state.h"
#include "settings/translation.h"

namespace lr {

using Group = TClassChildGroupBox_2C2D0F0;

const std::array<const char*, Group::kEffects> Group::kCaptions = {
    "woRk", "juMp", "strobO", "moVe", "brighT", "bliNk",
};

namespace {
constexpr int kLabelStep = 56;
}  // namespace

Group::TClassChildGroupBox_2C2D0F0(ui::Control* parent, TClassMultiBase* owner, int top)
    : EffectGroup(parent, owner, "Effects slection", top, kHeight), clear_(button("clr", {346, 17, 40, 23})) {
    for (std::size_t k = 0; k < kEffects; ++k) {
        const ui::Rect r{8 + static_cast<int>(k) * kLabelStep, 19, kLabelStep - 4, 20};
        labels_[k] = &clickLabel(settings::translate(kCaptions[k]), r, kOff);
        labels_[k]->onClick = bind<&Group::clicked>(*this, static_cast<std::uint16_t>(k));
    }
    clear_.onClick = bind<&Group::clear>(*this);
}

void Group::apply(std::string_view state) {
    for (std::size_t k = 0; k < kEffects; ++k) {
        const bool on = effect::stateDigit(state, effect::kFirstEffectPosition + k) != 0;
        if (on != on_[k]) turn(k, on);
    }
}

void Group::clear(TData&) {
    apply(effect::kZeroState);
}

void Group::clicked(TData&, std::uint16_t effect) {
    turn(effect, !on_[effect]);
}

void Group::turn(std::size_t effect, bool on) {
    on_[effect] = on;
    TData color = makeInteger(static_cast<std::int32_t>(on ? kOn : kOff));
    labels_[effect]->doColor(color);
    send(device::effectSwitch(static_cast<int>(effect), on));
}

}  // namespace lr
