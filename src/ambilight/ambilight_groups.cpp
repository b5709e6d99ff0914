#include "ambilight/ambilight_groups.h"

#include "settings/translation.h"
#include "ui/platform.h"

namespace lr {

namespace {
constexpr ui::Color kSilver = 0xC0C0C0;
constexpr ui::Color kDarkBlue = ui::rgb(0, 0, 128);
constexpr int kBalanceMin = 1;
constexpr int kBalanceMax = 16;
constexpr int kBalanceUnity = 8;
}  // namespace

namespace ambilight {

THIGroupBox& pageGroup(THIGroupBox& box, const char* caption, ui::Rect place) {
    box.Caption = settings::translate(caption);
    box.Color_ = kSilver;
    box.place(place);
    box.init();
    return box;
}

THIImgBtn& pictureButton(THIImgBtn& button, const char* name, ui::Rect place,
                         std::initializer_list<const char*> pictures) {
    button.Name = name;
    button.Color_ = kSilver;
    button.place(place);
    ui::Image* slots[] = {&button.Images.normal, &button.Images.hot, &button.Images.pressed,
                          &button.Images.disabled};
    std::size_t k = 0;
    for (const char* picture : pictures)
        if (k < std::size(slots)) *slots[k++] = ui::platform().resources().bitmap(picture);
    button.init();
    return button;
}

}  // namespace ambilight

using ambilight::pageGroup;
using ambilight::pictureButton;

TClassChildGroupBox_2C2EB10::TClassChildGroupBox_2C2EB10(ui::Control* parent, TClassMultiBase* owner)
    : TClassMultiBase(parent, owner),
      box_(pageGroup(make<THIGroupBox>(parent), "Control", {3, 0, 516, 70})),
      stopButton_(pictureButton(make<THIImgBtn>(&box_.control()), "stop", {17, 15, 30, 40},
                                {"BITMAP18", "BITMAP19", "BITMAP20"})),
      startButton_(pictureButton(make<THIImgBtn>(&box_.control()), "start", {45, 15, 40, 40},
                                 {"BITMAP14", "BITMAP15", "BITMAP16", "BITMAP17"})),
      viewButton_(pictureButton(make<THIImgBtn>(&box_.control()), "view", {256, 13, 55, 45},
                                {"AMBILIGHT_VIEW"})),
      viewLabel_(label("View", 307)),
      fastButton_(pictureButton(make<THIImgBtn>(&box_.control()), "fast", {371, 13, 55, 50},
                                {"AMBILIGHT_FAST"})),
      fastLabel_(label("Fast", 422)),
      remote_(make<THIIndexToChanel>(2)) {
    startButton_.onClick = bind<&TClassChildGroupBox_2C2EB10::start>(*this);
    stopButton_.onClick = bind<&TClassChildGroupBox_2C2EB10::stop>(*this);
    viewButton_.onClick = bind<&TClassChildGroupBox_2C2EB10::view>(*this);
    fastButton_.onClick = bind<&TClassChildGroupBox_2C2EB10::fast>(*this);
    remote_.outputs[0] = bind<&TClassChildGroupBox_2C2EB10::stop>(*this);
    remote_.outputs[1] = bind<&TClassChildGroupBox_2C2EB10::start>(*this);
}

THILabel& TClassChildGroupBox_2C2EB10::label(const char* caption, int left) {
    THILabel& l = make<THILabel>(&box_.control());
    l.Caption = settings::translate(caption);
    l.Color_ = kSilver;
    l.Left_ = left;
    l.Top_ = 35;
    l.ParentFont = false;
    l.Font = ui::Font{"Arial", 14, 0, 1, kDarkBlue};
    l.AutoSize = true;
    l.init();
    return l;
}

void TClassChildGroupBox_2C2EB10::start(TData&) {
    fireInteger(onStart, 1);
    fireInteger(bind<&THIWin::doEnabled>(startButton_), 0);
    fireInteger(onRunState, 1);
}

void TClassChildGroupBox_2C2EB10::stop(TData&) {
    fireInteger(bind<&THIWin::doEnabled>(startButton_), 1);
    fireInteger(onStop, 0);
    fireInteger(onRunState, 0);
}

void TClassChildGroupBox_2C2EB10::view(TData&) {
    fireInteger(onView, 1);
}

void TClassChildGroupBox_2C2EB10::fast(TData&) {
    fireInteger(onFast, 0);
}

TClassChildGroupBox_2D0A9E0::TClassChildGroupBox_2D0A9E0(ui::Control* parent, TClassMultiBase* owner)
    : TClassMultiBase(parent, owner),
      box_(pageGroup(make<THIGroupBox>(parent), "Color balance", {5, 255, 518, 50})) {
    slider(0, 25, "R", 7, ui::rgb(255, 0, 0));
    slider(1, 201, "G", 188, ui::rgb(0, 128, 0));
    slider(2, 370, "B", 357, ui::rgb(0, 0, 255));
}

void TClassChildGroupBox_2D0A9E0::slider(std::size_t k, int left, const char* letter, int letterLeft,
                                         ui::Color color) {
    THITrackBar& bar = make<THITrackBar>(&box_.control());
    bar.Name = std::string("balance ") + letter;
    bar.Color_ = kSilver;
    bar.Left_ = left;
    bar.Top_ = 15;
    bar.Width_ = 140;
    bar.Height_ = 30;
    bar.Min = kBalanceMin;
    bar.Max = kBalanceMax;
    bar.Position_ = kBalanceUnity;
    bar.Frequency = 1;
    bar.init();
    THILabel& l = make<THILabel>(&box_.control());
    l.Caption = letter;
    l.Color_ = kSilver;
    l.Left_ = letterLeft;
    l.Top_ = 15;
    l.ParentFont = false;
    l.Font = ui::Font{"Arial Black", 12, 0, 1, color};
    l.AutoSize = true;
    l.init();
    values_[k] = &make<PublishedValue>(kBalanceUnity);
    bar.onPosition = bind<&PublishedValue::doValue>(*values_[k]);
}

TClassChildGroupBox_2D0AA90::TClassChildGroupBox_2D0AA90(ui::Control* parent, TClassMultiBase* owner)
    : TClassMultiBase(parent, owner),
      box_(pageGroup(make<THIGroupBox>(parent), "Screen Proportions", {3, 310, 516, 110})),
      index_(make<THIChanelToIndex>(3)) {
    struct Choice {
        const char* name;
        int left;
        std::initializer_list<const char*> pictures;
    };
    const Choice choices[] = {{"layout 0", 49, {"AMBILIGHT_SCREEN0", "AMBILIGHT_SCREEN0_HOT", "AMBILIGHT_SCREEN0_PRESSED"}},
                              {"layout 1", 201, {"AMBILIGHT_SCREEN1", "AMBILIGHT_SCREEN1_HOT", "AMBILIGHT_SCREEN1_PRESSED"}},
                              {"layout 2", 352, {"AMBILIGHT_SCREEN2", "AMBILIGHT_SCREEN2_HOT", "AMBILIGHT_SCREEN2_PRESSED"}}};
    for (std::uint16_t k = 0; k < 3; ++k) {
        THIImgBtn& b = pictureButton(make<THIImgBtn>(&box_.control()), choices[k].name,
                                     {choices[k].left, 15, 115, 90}, choices[k].pictures);
        b.onClick = bind<&THIChanelToIndex::doEvent>(index_, k);
    }
}

}  // namespace lr
