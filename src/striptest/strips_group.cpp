#include "striptest/strips_group.h"

#include "settings/translation.h"

namespace lr {

// The keys begin with the byte 0xE0 (a Cyrillic "a"), as the files written so far hold them.
struct TClassChildGroupBox_2DF3AE0::Option {
    const char* caption;
    int left;
    int width;
    const char* key;
};

namespace {

constexpr ui::Color kPageColor = 0xC0C0C0;
constexpr int kRowTop = 17;
constexpr int kRowHeight = 15;
constexpr std::array<TClassChildGroupBox_2DF3AE0::Option, 2> kOptions = {{
    {"Strip", 15, 70, "\xE0uto_visual_strip"},
    {"Smooth Strip", 100, 110, "\xE0uto_visual_smooth_strip"},
}};

}  // namespace

TClassChildGroupBox_2DF3AE0::TClassChildGroupBox_2DF3AE0(ui::Control* parent, TClassMultiBase* owner)
    : TClassMultiBase(parent, owner),
      group_(groupBox(parent)),
      note_(note()),
      strip_(own<TClassChildFormEx_2DF3C40>(this)),
      smooth_(own<TClassChildFormEx_2DF5450>(this)),
      windows_{&strip_, &smooth_} {
    for (std::size_t i = 0; i < kOptions.size(); ++i)
        settings_[i] = &option(kOptions[i], *windows_[i]);
}

THIGroupBox& TClassChildGroupBox_2DF3AE0::groupBox(ui::Control* parent) {
    THIGroupBox& g = make<THIGroupBox>(parent);
    g.Caption = settings::translate("Strip");
    g.Color_ = kPageColor;
    g.Left_ = kLeft;
    g.Top_ = kTop;
    g.Width_ = kWidth;
    g.Height_ = kHeight;
    g.init();
    return g;
}

THILabel& TClassChildGroupBox_2DF3AE0::note() {
    THILabel& label = make<THILabel>(&group_.control());
    label.Caption = settings::translate("*Strips in test");
    label.Color_ = kPageColor;
    label.Left_ = 240;
    label.Top_ = kRowTop;
    label.Width_ = 150;
    label.Height_ = kRowHeight;
    label.init();
    return label;
}

// A box and its key. Ticking or clearing it, by the user or by the start-up read, stores 1 or 0 and
// opens or closes its window; closing the window with its own button clears the box.
THIini& TClassChildGroupBox_2DF3AE0::option(const Option& choice, StripForm& window) {
    THICheckBox& box = make<THICheckBox>(&group_.control());
    THIini& setting = make<THIini>();
    THIIf_else& isOn = make<THIIf_else>();
    THIHub& changed = make<THIHub>(2);
    box.Caption = settings::translate(choice.caption);
    box.Color_ = kPageColor;
    box.Left_ = choice.left;
    box.Top_ = kRowTop;
    box.Width_ = choice.width;
    box.Height_ = kRowHeight;
    box.init();
    setting.FileName_ = "lumenrig.ini";
    setting.Section_ = "init";
    setting.Key_ = choice.key;
    setting.Type = THIini::ValueType::Integer;
    setting.onRead = bind<&THIIf_else::doCompare>(isOn);
    isOn.Op2_ = makeInteger(1);
    isOn.onTrue = bind<&THICheckBox::doCheck>(box);
    box.onCheck = bind<&THIHub::doEvent>(changed);
    changed.outputs[0] = bind<&THIini::doWrite>(setting);
    changed.outputs[1] = bind<&StripForm::doState>(window);
    window.onClosed = bind<&THICheckBox::doCheck>(box);
    return setting;
}

void TClassChildGroupBox_2DF3AE0::doText(TData& data) {
    for (StripForm* window : windows_)
        window->doText(data);
}

void TClassChildGroupBox_2DF3AE0::doClose(TData& data) {
    for (StripForm* window : windows_)
        window->doClose(data);
}

void TClassChildGroupBox_2DF3AE0::doStart(TData& data) {
    for (THIini* setting : settings_)
        fireCopy(bind<&THIini::doRead>(*setting), data);
    for (StripForm* window : windows_)
        window->doLoadColors(data);
}

}  // namespace lr
