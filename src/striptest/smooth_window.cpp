#include "striptest/smooth_window.h"

#include <algorithm>
#include <string>

namespace lr {

namespace {
constexpr StripForm::Keys kKeys{"lumenrig.ini\\smooth_strip_position", "smooth_strip_colors", 100, 160};
}  // namespace

TClassChildFormEx_2DF5450::TClassChildFormEx_2DF5450(TClassMultiBase* owner)
    : StripForm(owner, kKeys),
      black_(make<THIMemory>()),
      letters_(make<THIHBoxLayout>()),
      leds_(make<THIHBoxLayout>()) {
    black_.Default = makeInteger(0);
    letters_.LayoutName = "char_";
    leds_.LayoutName = "leds";
    Point previous = bind<&THIMemory::Value>(black_);
    for (std::size_t k = 0; k < kLamps; ++k) {
        ThiButtonRush& lamp = makeLamp(k);
        TClassMultiElementEx_2DF66E0& block = own<TClassMultiElementEx_2DF66E0>(this);
        block.Prev = previous;
        block.onColors = bind<&ThiButtonRush::doColors>(lamp);
        if (k > 0) blocks_[k - 1]->onRefresh = bind<&TClassMultiElementEx_2DF66E0::doRefresh>(block);
        previous = bind<&TClassMultiElementEx_2DF66E0::Color>(block);
        blocks_[k] = &block;
        leds_.add(make<TWinLayout>(lamp));
        linkLamp(lamp, std::min(k, kChannels - 1));
    }
    for (std::size_t k = 0; k < kChannels; ++k)
        setOnColor(k, bind<&TClassMultiElementEx_2DF66E0::doColor>(*blocks_[k]));
    leds_.layout();
}

// A lamp starts dark, all states black, so that the row is one smooth strip from the first level on.
ThiButtonRush& TClassChildFormEx_2DF5450::makeLamp(std::size_t lamp) {
    ThiButtonRush& button = make<ThiButtonRush>(lampParent());
    button.Color_ = 0;
    for (RushColors& state : button.States)
        state = RushColors{0, 0, 0, 0, 0, 0};
    button.Name = "smooth lamp " + std::to_string(lamp + 1);
    button.Width_ = kLampWidth;
    button.Height_ = kHeight;
    button.TabStop = false;
    button.init();
    return button;
}

}  // namespace lr
