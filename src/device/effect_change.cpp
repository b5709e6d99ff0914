#include "device/effect_change.h"

#include <algorithm>

#include "device/effect_state.h"
#include "settings/translation.h"

namespace lr {

using Block = TClassMultiElement_2C2B780;
using Group = TClassChildGroupBox_2C2B620;

namespace {
constexpr int kColumnStep = 32;
constexpr int kLabelHeight = 14;
constexpr int kBarHeight = 34;
// Position 0 is the top, under "Up".
constexpr std::array<device::Change, Block::kLastPosition + 1> kByPosition = {
    device::Change::Up, device::Change::Middle, device::Change::Down};
}  // namespace

Block::TClassMultiElement_2C2B780(ui::Control* parent, TClassMultiBase* owner, std::size_t channel,
                                  ui::Point at)
    : TClassMultiBase(parent, owner),
      channel_(channel),
      at_(at),
      up_(label("Up", at.y)),
      bar_(changeBar({at.x, at.y + kLabelHeight})),
      down_(label("doWn", at.y + kLabelHeight + kBarHeight)) {
    bar_.onPosition = bind<&Block::moved>(*this);
}

THILabel& Block::label(const char* caption, int top) {
    THILabel& l = make<THILabel>(parentControl());
    l.Caption = settings::translate(caption);
    l.Alignment_ = ui::TextAlign::Center;
    l.Color_ = EffectGroup::kPageColor;
    l.ParentFont = false;  // "doWn" fits its column only narrowed
    l.Font.name = "Arial Narrow";
    l.Left_ = at_.x - (kColumnStep - kWidth) / 2;
    l.Top_ = top;
    l.Width_ = kColumnStep;
    l.Height_ = kLabelHeight;
    l.init();
    return l;
}

THITrackBar& Block::changeBar(ui::Point at) {
    THITrackBar& t = make<THITrackBar>(parentControl());
    t.Name = std::string("change ") + device::kChannelLetters[channel_];
    t.Min = 0;
    t.Max = kLastPosition;
    t.PageSize = 1;
    t.Orientation_ = Orientation::Vertical;
    t.Color_ = EffectGroup::kPageColor;
    t.Left_ = at.x;
    t.Top_ = at.y;
    t.Width_ = kWidth;
    t.Height_ = kBarHeight;
    t.init();
    return t;
}

void Block::doPosition(TData& data) {
    fire(bind<&THITrackBar::doPosition>(bar_), data);
}

void Block::moved(TData& data) {
    const auto position = static_cast<std::size_t>(std::clamp(toInteger(data), 0, kLastPosition));
    fireString(onCommand_, device::channelChange(static_cast<int>(channel_), kByPosition[position]));
}

Group::TClassChildGroupBox_2C2B620(ui::Control* parent, TClassMultiBase* owner, int top)
    : EffectGroup(parent, owner, "Brightness change Up or Down", top, kHeight) {
    for (std::size_t c = 0; c < blocks_.size(); ++c) {
        const ui::Point at{8 + static_cast<int>(c) * kColumnStep, 14};
        blocks_[c] = &own<TClassMultiElement_2C2B780>(&box(), this, c, at);
        blocks_[c]->setOnCommand(commandInput());
    }
}

// The state's digit d is the change setting; the bar shows it upside down.
void Group::apply(std::string_view state) {
    for (std::size_t c = 0; c < blocks_.size(); ++c) {
        TData position = makeInteger(Block::kLastPosition - effect::stateDigit(state, 2 * c + 2));
        blocks_[c]->doPosition(position);
    }
}

}  // namespace lr
