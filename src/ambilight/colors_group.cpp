#include "ambilight/colors_group.h"

#include "ambilight/ambilight_groups.h"
#include "ui/platform.h"

namespace lr {

namespace {
constexpr ui::Color kSilver = 0xC0C0C0;
constexpr ui::Color kSwatchStart = 0xC0DCC0;
constexpr std::array<ui::Point, 4> kSwatches = {{{114, 19}, {374, 19}, {114, 85}, {374, 85}}};

THIThread& singleRun(THIThread& thread) {
    thread.SingleRun = true;
    return thread;
}

THITimer& every(THITimer& timer, std::int32_t ms) {
    timer.Interval = ms;
    return timer;
}
}  // namespace

TClassChildGroupBox_2C2EF30::TClassChildGroupBox_2C2EF30(ui::Control* parent, TClassMultiBase* owner,
                                                         const BalanceReads& balance)
    : TClassMultiBase(parent, owner),
      box_(ambilight::pageGroup(make<THIGroupBox>(parent), "Colors of Channels", {4, 65, 515, 185})),
      swatches_{&swatch(kSwatches[0]), &swatch(kSwatches[1]), &swatch(kSwatches[2]), &swatch(kSwatches[3])},
      pictures_{&layoutPicture("layout picture 0", "AMBILIGHT_LAYOUT0", true),
                &layoutPicture("layout picture 1", "AMBILIGHT_LAYOUT1", false),
                &layoutPicture("layout picture 2", "AMBILIGHT_LAYOUT2", false)},
      preview_(preview()),
      layout_(make<PublishedValue>(0)),
      hidePictures_(make<THIDoData>()),
      hideEach_(make<THIHub>(3)),
      showPicture_(make<THIIndexToChanel>(3)),
      screen_(make<THIScreen>()),
      layouts_{&layoutBlock(0), &layoutBlock(1), &layoutBlock(2)},
      sampleLayout_(make<THIIndexToChanel>(3)),
      blocks_{&colorBlock<TClassMultiElement_2C2FFB0>(0, balance),
              &colorBlock<TClassMultiElement_2C31B30>(1, balance),
              &colorBlock<TClassMultiElement_2C312F0>(2, balance),
              &colorBlock<TClassMultiElement_2C30AB0>(3, balance)},
      shot_(make<THIScreenShort>()),
      sampleTimer_(every(make<THITimer>(), kSamplingMs)),
      previewTimer_(every(make<THITimer>(), kPreviewMs)),
      sampleThread_(singleRun(make<THIThread>())),
      previewThread_(singleRun(make<THIThread>())) {
    label("R,G,B", {83, 160}, true);
    label("R,G,B", {404, 160}, true);
    label("E,F,D", {83, 45}, false);
    label("B,C,A", {83, 110}, false);
    label("H,I,G", {412, 45}, false);
    label("K,L,J", {412, 110}, false);
    linkLayoutPictures();
    linkSampling();
}

THIImage& TClassChildGroupBox_2C2EF30::swatch(ui::Point at) {
    THIImage& s = make<THIImage>(&box_.control());
    s.Name = "swatch";
    s.Color_ = kSwatchStart;
    s.Left_ = at.x;
    s.Top_ = at.y;
    s.Width_ = 35;
    s.Height_ = 65;
    s.init();
    return s;
}

void TClassChildGroupBox_2C2EF30::label(const char* caption, ui::Point at, bool bold) {
    THILabel& l = make<THILabel>(&box_.control());
    l.Caption = caption;
    l.Color_ = kSilver;
    l.Left_ = at.x;
    l.Top_ = at.y;
    l.ParentFont = false;
    l.Font = ui::Font{"MS Sans Serif", 8, bold ? ui::fontstyle::Bold : 0u};
    l.AutoSize = true;
    l.init();
}

THIImage& TClassChildGroupBox_2C2EF30::preview() {
    THIImage& p = make<THIImage>(&box_.control());
    p.Name = "preview";
    p.Color_ = 0;
    p.Stretch = true;
    p.Left_ = 162;
    p.Top_ = 26;
    p.Width_ = 196;
    p.Height_ = 110;
    p.Visible = false;
    p.init();
    return p;
}

THIImgBtn& TClassChildGroupBox_2C2EF30::layoutPicture(const char* name, const char* picture, bool visible) {
    THIImgBtn& b =
        ambilight::pictureButton(make<THIImgBtn>(&box_.control()), name, {150, 7, 225, 175}, {picture});
    b.control().setVisible(visible);
    return b;
}

LayoutBlock& TClassChildGroupBox_2C2EF30::layoutBlock(std::size_t layout) {
    return own<LayoutBlock>(this, kLayouts[layout], bind<&THIScreen::ScreenWidth>(screen_),
                            bind<&THIScreen::ScreenHeight>(screen_));
}

template <class Block>
ColorBlock& TClassChildGroupBox_2C2EF30::colorBlock(std::size_t region, const BalanceReads& balance) {
    ColorBlock& block = own<Block>(this, balance);
    block.setOnColor(bind<&THIImage::doColor>(*swatches_[region]));
    return block;
}

// Storing an index hides the three pictures, then shows the stored one.
void TClassChildGroupBox_2C2EF30::linkLayoutPictures() {
    hidePictures_.Data_ = makeInteger(0);
    hidePictures_.onData = bind<&THIHub::doEvent>(hideEach_);
    showPicture_.Data_ = makeInteger(1);
    for (std::size_t k = 0; k < pictures_.size(); ++k) {
        hideEach_.outputs[k] = bind<&THIWin::doVisible>(*pictures_[k]);
        showPicture_.outputs[k] = bind<&THIWin::doVisible>(*pictures_[k]);
    }
}

void TClassChildGroupBox_2C2EF30::linkSampling() {
    sampleTimer_.onTimer = bind<&THIThread::doStart>(sampleThread_);
    sampleThread_.onExecute = bind<&THIIndexToChanel::doEvent>(sampleLayout_);
    sampleLayout_.Index = bind<&PublishedValue::Value>(layout_);
    for (std::size_t l = 0; l < layouts_.size(); ++l) {
        sampleLayout_.outputs[l] = layouts_[l]->doSample();
        for (std::size_t k = 0; k < blocks_.size(); ++k)
            layouts_[l]->setOnRegion(k, blocks_[k]->doColor());
    }
    previewTimer_.onTimer = bind<&THIThread::doStart>(previewThread_);
    previewThread_.onExecute = bind<&THIScreenShort::doShot>(shot_);
    shot_.onCapture = bind<&THIImage::doLoad>(preview_);
}

void TClassChildGroupBox_2C2EF30::setOnCommand(Point point) {
    for (ColorBlock* block : blocks_)
        block->setOnCommand(point);
}

void TClassChildGroupBox_2C2EF30::doLayout(TData& data) {
    TData index = copySingle(data);
    fire(bind<&PublishedValue::doValue>(layout_), index);
    fireNull(bind<&THIDoData::doData>(hidePictures_));
    fire(bind<&THIIndexToChanel::doEvent>(showPicture_), index);
}

void TClassChildGroupBox_2C2EF30::doPreviewOn(TData&) {
    fireNull(bind<&THITimer::doTimer>(previewTimer_));
    fireInteger(bind<&THIWin::doVisible>(preview_), 1);
}

void TClassChildGroupBox_2C2EF30::doPreviewOff(TData&) {
    previewTimer_.setEnable(false);
    fireInteger(bind<&THIWin::doVisible>(preview_), 0);
}

void TClassChildGroupBox_2C2EF30::doSampleStart(TData&) {
    fireNull(bind<&THITimer::doTimer>(sampleTimer_));
}

void TClassChildGroupBox_2C2EF30::doSampleStop(TData&) {
    sampleTimer_.setEnable(false);
}

void TClassChildGroupBox_2C2EF30::waitForPasses() {
    sampleThread_.wait();
    previewThread_.wait();
}

}  // namespace lr
