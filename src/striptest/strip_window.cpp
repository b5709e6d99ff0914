#include "striptest/strip_window.h"

namespace lr {

namespace {
constexpr StripForm::Keys kKeys{"lumenrig.ini\\strip_position", "strip_colors", 100, 100};
constexpr ui::Color kLetterColor = 0x808080;  // readable on black and on a lit lamp
}  // namespace

TClassChildFormEx_2DF3C40::TClassChildFormEx_2DF3C40(TClassMultiBase* owner)
    : StripForm(owner, kKeys), letters_(make<THIHBoxLayout>()), leds_(make<THIHBoxLayout>()) {
    letters_.LayoutName = "char_";
    leds_.LayoutName = "leds";
    for (std::size_t k = 0; k < kChannels; ++k) {
        THILabel& lamp = makeLamp(k);
        letters_.add(make<TWinLayout>(lamp));
        setOnColor(k, bind<&THILabel::doColor>(lamp));
        linkLamp(lamp, k);
    }
    letters_.layout();
}

// A lamp starts dark; its first level lights it.
THILabel& TClassChildFormEx_2DF3C40::makeLamp(std::size_t channel) {
    THILabel& lamp = make<THILabel>(lampParent());
    lamp.Caption = std::string(1, static_cast<char>('A' + channel));
    lamp.Name = "lamp " + lamp.Caption;
    lamp.Alignment_ = ui::TextAlign::Center;
    lamp.Color_ = 0;
    lamp.ParentFont = false;
    lamp.Font = ui::Font{"MS Sans Serif", 8, 0, 1, kLetterColor};
    lamp.Width_ = kLampWidth;
    lamp.Height_ = kHeight;
    lamp.init();
    return lamp;
}

}  // namespace lr
