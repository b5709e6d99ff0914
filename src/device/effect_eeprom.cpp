#include "device/effect_eeprom.h"

#include "device/protocol.h"

namespace lr {

using Group = TClassChildGroupBox_2A60360;

namespace {
constexpr int kButtonTop = 16;
constexpr int kButtonWidth = 120;
constexpr int kButtonHeight = 25;
}  // namespace

Group::TClassChildGroupBox_2A60360(ui::Control* parent, TClassMultiBase* owner, int top)
    : EffectGroup(parent, owner, "Work with EEPROM", top, kHeight),
      save_(button("Save to EEPROM", {8, kButtonTop, kButtonWidth, kButtonHeight},
                   "Save current settings to current EEPROM slot")),
      restore_(button("Restore EEPROM", {136, kButtonTop, kButtonWidth, kButtonHeight},
                      "Restore EEPROM slots defaults")),
      read_(button("Read Effect", {264, kButtonTop, kButtonWidth, kButtonHeight},
                   "Read settings for current effect")) {
    save_.onClick = bind<&Group::save>(*this);
    restore_.onClick = bind<&Group::restore>(*this);
    read_.onClick = bind<&Group::read>(*this);
}

void Group::save(TData&) {
    send(std::string(device::kSaveEeprom));
}

void Group::restore(TData&) {
    send(std::string(device::kRestoreEeprom));
}

void Group::read(TData&) {
    send(std::string(device::kReadState));
    fireNull(onReadBack_);
}

}  // namespace lr
