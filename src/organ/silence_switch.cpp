#include "organ/silence_switch.h"

namespace lr {

namespace {
constexpr std::int32_t kRememberAt = 9;
}

OrganSilenceSwitch::OrganSilenceSwitch(TClassMultiBase* owner)
    : TClassMultiBase(nullptr, owner),
      timer_(make<THITimer>()),
      scheme_(make<THIini>()),
      remembered_(make<THIMemory>()) {
    scheme_.FileName_ = "lumenrig.ini";
    scheme_.Section_ = "scheme";
    scheme_.Key_ = "scheme";
    scheme_.onRead = bind<&THIMemory::doValue>(remembered_);
    remembered_.Default = makeString("");
    timer_.Interval = 1000;
    timer_.onTimer = bind<&OrganSilenceSwitch::second>(*this);
    timer_.setEnable(true);
}

// Counts whether or not the colour organ runs: a stopped organ is silent.
void OrganSilenceSwitch::second(TData&) {
    if (seconds_ >= kSilentSeconds) return;
    ++seconds_;
    if (seconds_ == kRememberAt) fireNull(bind<&THIini::doRead>(scheme_));
    if (seconds_ == kSilentSeconds && readInteger(SilenceBox) == 1) fireNull(onStartSilence);
}

void OrganSilenceSwitch::doMusic(TData&) {
    if (seconds_ == kSilentSeconds) {
        fireNull(onStopSilence);
        TData name;
        remembered_.Value(name);
        fire(onLoad, name);
    }
    seconds_ = 0;
}

void OrganSilenceSwitch::doMusicScheme(TData& data) {
    if (seconds_ != kSilentSeconds) fire(onLoad, data);
}

}  // namespace lr
