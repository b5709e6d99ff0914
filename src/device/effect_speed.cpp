#include "device/effect_speed.h"

#include "device/effect_state.h"
#include "device/protocol.h"

namespace lr {

using Group = TClassChildGroupBox_2A60990;

Group::TClassChildGroupBox_2A60990(ui::Control* parent, TClassMultiBase* owner, int top)
    : EffectGroup(parent, owner, "Run Speed", top, kHeight),
      bar_(speedBar()),
      slow_(button("slow", {266, 17, 58, 23})),
      fast_(button("fast", {328, 17, 58, 23})) {
    bar_.onPosition = bind<&Group::moved>(*this);
    slow_.onClick = bind<&Group::slow>(*this);
    fast_.onClick = bind<&Group::fast>(*this);
}

THITrackBar& Group::speedBar() {
    THITrackBar& t = make<THITrackBar>(&box());
    t.Name = "speed";
    t.Min = kSlowest;
    t.Max = kFastest;
    t.PageSize = 1;
    t.Color_ = kPageColor;
    t.Left_ = 8;
    t.Top_ = 15;
    t.Width_ = 254;
    t.Height_ = 30;
    t.init();
    return t;
}

void Group::apply(std::string_view state) {
    setPosition(effect::stateDigit(state, effect::kSpeedPosition));
}

void Group::moved(TData& data) {
    send(device::runSpeed(toInteger(data)));
}

void Group::slow(TData&) {
    setPosition(kSlowest);
}

void Group::fast(TData&) {
    setPosition(kFastest);
}

void Group::setPosition(std::int32_t position) {
    fireInteger(bind<&THITrackBar::doPosition>(bar_), position);
}

}  // namespace lr
