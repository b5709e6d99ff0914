#include "device/effect_brightness.h"

#include <algorithm>

#include "device/effect_state.h"

namespace lr {

using Group = TClassChildGroupBox_2A60A40;

namespace {
constexpr int kColumnStep = 32;
constexpr int kBarTop = 14;
constexpr int kBarHeight = 84;
constexpr int kColumnWidth = 28;
}  // namespace

Group::TClassChildGroupBox_2A60A40(ui::Control* parent, TClassMultiBase* owner, int top)
    : EffectGroup(parent, owner, "Channel Brightness", top, kHeight),
      clear_(button("clr", {448, 90, 67, 23})) {
    for (std::size_t c = 0; c < channels_.size(); ++c)
        channels_[c] = channel(c);
    clear_.onClick = bind<&Group::clear>(*this);
}

Group::Channel Group::channel(std::size_t c) {
    const int left = 8 + static_cast<int>(c) * kColumnStep;
    const auto index = static_cast<std::uint16_t>(c);
    THITrackBar& bar = make<THITrackBar>(&box());
    bar.Name = std::string("brightness ") + device::kChannelLetters[c];
    bar.Min = 0;
    bar.Max = kFull;
    bar.PageSize = 1;
    bar.Orientation_ = Orientation::Vertical;
    bar.TickMarks_ = TickMarks::Both;
    bar.Color_ = kPageColor;
    bar.Left_ = left;
    bar.Top_ = kBarTop;
    bar.Width_ = kColumnWidth;
    bar.Height_ = kBarHeight;
    bar.init();

    THIMathParse& level = make<THIMathParse>(1);
    level.setFormula(kLevelFormula);
    level.ResultType = 0;
    bar.onPosition = bind<&THIMathParse::doCalc>(level);
    level.onResult = bind<&Group::leveled>(*this, index);

    THILabel& letter = clickLabel(std::string(1, device::kChannelLetters[c]),
                                  {left, kBarTop + kBarHeight + 2, kColumnWidth, 16}, kLevelColors[0]);
    letter.onClick = bind<&Group::toggle>(*this, index);
    return {&bar, &level, &letter};
}

void Group::apply(std::string_view state) {
    for (std::size_t c = 0; c < channels_.size(); ++c)
        setPosition(c, kFull - effect::stateDigit(state, 2 * c + 1));
}

void Group::clear(TData&) {
    apply(effect::kZeroState);
}

// The formula keeps the level inside 0..8 only while the bar does; its range is the guard.
void Group::leveled(TData& data, std::uint16_t c) {
    const std::int32_t level = std::clamp(toInteger(data), 0, kFull);
    TData color = makeInteger(static_cast<std::int32_t>(kLevelColors[static_cast<std::size_t>(level)]));
    channels_[c].letter->doColor(color);
    send(device::channelLevel(c, level));
}

// Full goes off; any other level goes full.
void Group::toggle(TData&, std::uint16_t c) {
    TData position;
    channels_[c].bar->Position(position);
    setPosition(c, toInteger(position) == 0 ? kFull : 0);
}

void Group::setPosition(std::size_t c, std::int32_t position) {
    fireInteger(bind<&THITrackBar::doPosition>(*channels_[c].bar), position);
}

}  // namespace lr
