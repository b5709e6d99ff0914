#include "striptest/strip_form.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "settings/translation.h"
#include "ui/platform.h"

namespace lr {

namespace {

constexpr const char* kIniFile = "lumenrig.ini";
constexpr const char* kIniSection = "init";
constexpr const char* kColorMask = "%1,%2,%3,%4,%5,%6,%7,%8,%9,%10,%11,%12";
constexpr const char* kResetList = "255,255,255,255,255,255,255,255,255,255,255,255";
constexpr int kButtonWidth = 15;
constexpr int kButtonsShownMs = 2000;
constexpr std::size_t kChannelL = 11;
enum Press : std::size_t { Left, Right, Middle, kPresses };

}  // namespace

StripForm::StripForm(TClassMultiBase* owner, const Keys& keys)
    : TClassMultiBase(nullptr, owner),
      keys_(keys),
      form_(makeForm(keys)),
      state_(make<THIMemory>()),
      stateChange_(make<THIHub>(3)),
      decoding_(make<THIIf_else>()),
      decoder_(make<StripDecoder>()),
      mover_(make<THIMoveWindow>()),
      colorSetting_(make<THIini>()),
      splitter_(make<THIMultiStrData>(kChannels)),
      format_(make<THIFormatStr>(kChannels)),
      closing_(make<THIHub>(2)),
      resetList_(make<THIDoData>()),
      closeButton_(makeButton("close strip", "BITMAP92", 477)),
      resetButton_(makeButton("reset strip colors", "BITMAP93", 462)),
      buttonsVisible_(make<THIHub>(3)),
      buttonsTimer_(make<THITimer>()),
      hideButtons_(make<THIDoData>()),
      hiding_(make<THIHub>(2)),
      closeClick_(make<THIHub>(2)) {
    state_.Default = makeInteger(0);
    stateChange_.outputs[0] = bind<&THIMemory::doValue>(state_);
    stateChange_.outputs[1] = bind<&THIMainForm::doVisible>(form_);
    stateChange_.outputs[2] = bind<&StripForm::keepOnScreen>(*this);
    decoding_.Op1 = bind<&THIMemory::Value>(state_);
    decoding_.Op2_ = makeInteger(1);
    decoding_.onTrue = bind<&StripDecoder::doText>(decoder_);
    mover_.Handle = bind<&THIMainForm::Handle>(form_);
    for (std::size_t k = 0; k < kChannels; ++k)
        linkChannel(k);
    linkColorList(keys);
    linkButtons();
}

THIMainForm& StripForm::makeForm(const Keys& keys) {
    THIMainForm& f = make<THIMainForm>();
    f.Name = "strip_f";
    f.Caption = settings::translate("Channels");
    f.Icon = ui::platform().resources().icon("ASMA");
    f.Font = ui::Font{"MS Sans Serif", 8};
    f.BorderStyle = ui::WindowBorder::None;
    f.Color_ = 0;
    f.Left_ = keys.left;
    f.Top_ = keys.top;
    f.Width_ = kWidth;
    f.Height_ = kHeight;
    f.PositionKey = keys.position;
    f.Visible = false;
    return f;
}

THIImgBtn& StripForm::makeButton(const char* name, const char* bitmap, int left) {
    THIImgBtn& button = make<THIImgBtn>(&form_.control());
    button.Name = name;
    button.Images.normal = ui::platform().resources().bitmap(bitmap);
    button.Left_ = left;
    button.Width_ = kButtonWidth;
    button.Height_ = kHeight;
    button.Visible = false;
    button.init();
    return button;
}

void StripForm::linkChannel(std::size_t k) {
    THIMemory& base = make<THIMemory>();
    ThiColorShade& shade = make<ThiColorShade>();
    THIChangeMon& change = make<THIChangeMon>();
    THIColorDialog& chooser = make<THIColorDialog>();
    THIIndexToChanel& router = make<THIIndexToChanel>(kPresses);
    StripColorPart& part = make<StripColorPart>();
    base.Default = makeInteger(kStripDefaultColor);
    shade.Mode = 1;
    shade.Color = bind<&THIMemory::Value>(base);
    shade.onShade = bind<&THIChangeMon::doData>(change);
    decoder_.onLevel[k] = bind<&ThiColorShade::doShade>(shade);
    chooser.Color = bind<&THIMemory::Value>(base);
    chooser.Handle = bind<&THIMainForm::Handle>(form_);
    chooser.onSelect = bind<&THIMemory::doValue>(base);
    router.outputs[Left] = bind<&THIMoveWindow::doMove>(mover_);
    router.outputs[Right] = bind<&THIColorDialog::doExecute>(chooser);
    splitter_.outputs[k] = bind<&StripColorPart::doPart>(part);
    part.onColor = bind<&THIMemory::doValue>(base);
    format_.Str[k] = bind<&THIMemory::Value>(base);
    bases_[k] = &base;
    changes_[k] = &change;
    routers_[k] = &router;
}

void StripForm::linkColorList(const Keys& keys) {
    colorSetting_.FileName_ = kIniFile;
    colorSetting_.Section_ = kIniSection;
    colorSetting_.Key_ = keys.colors;
    colorSetting_.Type = THIini::ValueType::String;
    colorSetting_.onRead = bind<&THIMultiStrData::doSplit>(splitter_);
    splitter_.Delimiter = ',';
    format_.Mask = kColorMask;
    format_.onResult = bind<&THIini::doWrite>(colorSetting_);
    closing_.outputs[0] = bind<&THIFormatStr::doFormat>(format_);
    closing_.outputs[1] = bind<&THIMainForm::doClose>(form_);
    resetList_.Data_ = makeString(kResetList);
    resetList_.onData = bind<&THIMultiStrData::doSplit>(splitter_);
}

void StripForm::linkButtons() {
    resetButton_.onClick = bind<&THIDoData::doData>(resetList_);
    closeButton_.onClick = bind<&THIHub::doEvent>(closeClick_);
    closeClick_.outputs[0] = bind<&THIMainForm::doClose>(form_);
    closeClick_.outputs[1] = bind<&StripForm::closedByUser>(*this);
    buttonsVisible_.outputs[0] = bind<&THIImgBtn::doVisible>(closeButton_);
    buttonsVisible_.outputs[1] = bind<&THIImgBtn::doVisible>(resetButton_);
    buttonsVisible_.outputs[2] = bind<&THITimer::doTimer>(buttonsTimer_);
    buttonsTimer_.Interval = kButtonsShownMs;
    buttonsTimer_.Count = 1;
    buttonsTimer_.onTimer = bind<&THIDoData::doData>(hideButtons_);
    hideButtons_.Data_ = makeInteger(0);
    hideButtons_.onData = bind<&THIHub::doEvent>(hiding_);
    hiding_.outputs[0] = bind<&THIImgBtn::doVisible>(closeButton_);
    hiding_.outputs[1] = bind<&THIImgBtn::doVisible>(resetButton_);
}

void StripForm::linkLamp(THIWin& lamp, std::size_t channel) {
    if (channel != kChannelL) {
        lamp.onMouseDown = bind<&THIIndexToChanel::doEvent>(*routers_[channel]);
        return;
    }
    THIHub& press = make<THIHub>(2);
    press.outputs[0] = bind<&THIIndexToChanel::doEvent>(*routers_[channel]);
    press.outputs[1] = bind<&THIHub::doEvent>(buttonsVisible_);
    lamp.onMouseDown = bind<&THIHub::doEvent>(press);
}

void StripForm::doState(TData& data) {
    stateChange_.doEvent(data, 0);
}

// The elements forward, so they are reached along a point, as a wire would reach them.
void StripForm::doText(TData& data) {
    fireCopy(bind<&THIIf_else::doCompare>(decoding_), data);
}

void StripForm::doLoadColors(TData& data) {
    fireCopy(bind<&THIini::doRead>(colorSetting_), data);
}

void StripForm::doClose(TData& data) {
    closing_.doEvent(data, 0);
}

std::int32_t StripForm::baseColor(std::size_t channel) {
    TData value;
    bases_.at(channel)->Value(value);
    return toInteger(value);
}

// The window keeps its own size whatever the stored place says, and a place on no monitor that is there
// now brings it back to where it first appears.
void StripForm::keepOnScreen(TData& data) {
    if (!isTrue(data)) return;
    ui::Window& window = form_.window();
    const ui::Rect stored = window.bounds();
    const ui::Rect kept{stored.left, stored.top, kWidth, kHeight};
    const std::vector<ui::Rect> monitors = ui::platform().screen().monitors();
    // In 64 bits: a stored place may lie at the very end of the integers.
    const std::int64_t right = std::int64_t{kept.left} + kWidth;
    const std::int64_t bottom = std::int64_t{kept.top} + kHeight;
    const bool seen = std::any_of(monitors.begin(), monitors.end(), [&](const ui::Rect& m) {
        return right > m.left && bottom > m.top && kept.left < std::int64_t{m.left} + m.width &&
               kept.top < std::int64_t{m.top} + m.height;
    });
    window.setBounds(seen ? kept : ui::Rect{keys_.left, keys_.top, kWidth, kHeight});
}

void StripForm::closedByUser(TData&) {
    fireInteger(onClosed, 0);
}

}  // namespace lr
