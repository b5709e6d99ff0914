#include "visual/shapes.h"

#include <algorithm>

#include "visual/shape_menus.h"

namespace lr {

namespace {

constexpr ui::Color kWhite = ui::rgb(255, 255, 255);
constexpr int kLampArea = 80;
constexpr int kLevelStep = 31;

using enum ShapeInput;

const ShapeLook kCircle{"Form0",
                        ui::WindowBorder::None,
                        {80, 100},
                        kWhite,
                        false,
                        kWhite,
                        false,
                        {Red, Green, Blue, Size},
                        {{6, 83}, {25, 83}, {44, 83}, {61, 83}}};
const ShapeLook kRectangle{"Form1",
                           ui::WindowBorder::SizingFrame,
                           {80, 100},
                           0xC0DCC0,
                           true,
                           ui::rgb(0, 0, 0),
                           true,
                           {Red, Green, Blue},
                           {{6, 8}, {25, 8}, {44, 8}}};
const ShapeLook kLadder{"Form2",    ui::WindowBorder::None, {80, 168}, kWhite, false, kWhite, false, {Level},
                        {{31, 150}}};

// A level beyond 8 would carry into the next colour byte.
int component(int level) {
    return std::clamp(level * kLevelStep, 0, 255);
}

bool isColor(ShapeInput input) {
    return input == Red || input == Green || input == Blue;
}

}  // namespace

ui::Color channelColor(int red, int green, int blue) {
    return ui::rgb(component(red), component(green), component(blue));
}

TClassChildFormEx_2DF1E00::TClassChildFormEx_2DF1E00(ui::Control* parent, TClassMultiBase* owner,
                                                     THIMultiElementEx& outer)
    : ShapeForm(parent, owner, outer, kCircle, shapeMenu(ShapeMenu::Circle)), lamp_(makeLamp()) {
    finish(lamp_);
}

THILED& TClassChildFormEx_2DF1E00::makeLamp() {
    THILED& l = make<THILED>(&client());
    l.ColorOff = ui::rgb(128, 0, 0);
    l.Width_ = kLampArea;
    l.Height_ = kLampArea;
    l.init();
    return l;
}

// The diameter (value + 2) x 8 stays centred in the 80 x 80 area; size before place.
void TClassChildFormEx_2DF1E00::show(ShapeInput input) {
    if (isColor(input)) {
        fireInteger(bind<&THILED::doLight>(lamp_),
                    static_cast<std::int32_t>(channelColor(value(Red), value(Green), value(Blue))));
        return;
    }
    const int diameter = std::clamp((value(Size) + 2) * 8, 0, kLampArea * 2);
    fireInteger(bind<&THIWin::doWidth>(lamp_), diameter);
    fireInteger(bind<&THIWin::doHeight>(lamp_), diameter);
    fireInteger(bind<&THIWin::doLeft>(lamp_), (kLampArea - diameter) / 2);
    fireInteger(bind<&THIWin::doTop>(lamp_), (kLampArea - diameter) / 2);
}

TClassChildFormEx_2DECAD0::TClassChildFormEx_2DECAD0(ui::Control* parent, TClassMultiBase* owner,
                                                     THIMultiElementEx& outer)
    : ShapeForm(parent, owner, outer, kRectangle, shapeMenu(ShapeMenu::Rectangle)), lamp_(makeLamp()) {
    finish(lamp_);
}

ThiGLabel& TClassChildFormEx_2DECAD0::makeLamp() {
    ThiGLabel& l = make<ThiGLabel>(&client());
    const ui::Size area = client().clientSize();
    l.Width_ = area.width;
    l.Height_ = area.height;
    l.init();
    return l;
}

void TClassChildFormEx_2DECAD0::show(ShapeInput) {
    fireInteger(bind<&ThiGLabel::doLight>(lamp_),
                static_cast<std::int32_t>(channelColor(value(Red), value(Green), value(Blue))));
}

void TClassChildFormEx_2DECAD0::resized() {
    const ui::Size area = client().clientSize();
    lamp_.control().setBounds({0, 0, area.width, area.height});
}

TClassChildFormEx_2DEF990::TClassChildFormEx_2DEF990(ui::Control* parent, TClassMultiBase* owner,
                                                     THIMultiElementEx& outer)
    : ShapeForm(parent, owner, outer, kLadder, shapeMenu(ShapeMenu::Ladder)), lamp_(makeLamp()) {
    finish(lamp_);
}

ThiLedLadder& TClassChildFormEx_2DEF990::makeLamp() {
    ThiLedLadder& l = make<ThiLedLadder>(&client());
    l.Left_ = 10;
    l.Top_ = 5;
    l.Width_ = 55;
    l.Height_ = 145;
    l.init();
    return l;
}

// Level v lights v + 1 segments.
void TClassChildFormEx_2DEF990::show(ShapeInput) {
    fireInteger(bind<&ThiLedLadder::doValue>(lamp_), value(Level) + 1);
}

void TClassChildFormEx_2DEF990::doLevel(TData& data) {
    setValue(Level, toInteger(data));
}

}  // namespace lr
