#include "shell/top_strip.h"

#include "settings/translation.h"
#include "ui/platform.h"

namespace lr {

namespace {
constexpr int kHeight = 20;
constexpr int kBitmapButton = 20;
constexpr int kTextButtonWidth = 70;
constexpr int kImageButton = 15;
}  // namespace

TClassChildPanelEx_1EF8790::TClassChildPanelEx_1EF8790(ui::Control* parent, TClassMultiBase* owner,
                                                       THIMultiElement& outer)
    : TClassMultiBase(parent, owner), edge_(make<THIEditMulti>(outer, 1, 0)), strip_(make<THIPanel>(parent)) {
    join(edge_);
    strip_.Name = "top strip";
    strip_.Left_ = 5;
    strip_.Top_ = 25;
    strip_.Width_ = 536;
    strip_.Height_ = kHeight;
    strip_.Color_ = 0xC0C0C0;
    strip_.onMouseDown = bind<&TClassChildPanelEx_1EF8790::pressed>(*this);
    strip_.init();
    addBitmapButton("Always on Top", "BITMAP0", 0, 0);
    addBitmapButton("Lights On/Off", "BITMAP3", 22, 1);
    addBitmapButton("Language", "BITMAP4", 44, 2);
    addBitmapButton("Manual", "BITMAP5", 66, 3);
    addTextButton("Get more info on the blog", 92, 4);
    addImageButton("BITMAP2", 475, 5);
    addImageButton("BITMAP1", 493, 6);
}

// The four bitmap buttons show only their picture; the name is the hint.
void TClassChildPanelEx_1EF8790::addBitmapButton(const char* hint, const char* bitmap, int left,
                                                 std::uint16_t command) {
    THIBitBtn& button = make<THIBitBtn>(&strip_.control());
    button.Hint = settings::translate(hint);
    button.Bitmap = ui::platform().resources().bitmap(bitmap);
    button.Left_ = left;
    button.Width_ = kBitmapButton;
    button.Height_ = kBitmapButton;
    button.onClick = bind<&TClassChildPanelEx_1EF8790::command>(*this, command);
    button.init();
}

void TClassChildPanelEx_1EF8790::addTextButton(const char* caption, int left, std::uint16_t command) {
    THIBitBtn& button = make<THIBitBtn>(&strip_.control());
    button.Caption = settings::translate(caption);
    button.Left_ = left;
    button.Width_ = kTextButtonWidth;
    button.Height_ = kHeight;
    button.Color_ = 0xC0C0C0;
    button.onClick = bind<&TClassChildPanelEx_1EF8790::command>(*this, command);
    button.init();
}

void TClassChildPanelEx_1EF8790::addImageButton(const char* bitmap, int left, std::uint16_t command) {
    THIImgBtn& button = make<THIImgBtn>(&strip_.control());
    button.Images.normal = ui::platform().resources().bitmap(bitmap);
    button.Left_ = left;
    button.Top_ = 2;
    button.Width_ = kImageButton;
    button.Height_ = kImageButton;
    button.onClick = bind<&TClassChildPanelEx_1EF8790::command>(*this, command);
    button.init();
}

void TClassChildPanelEx_1EF8790::command(TData&, std::uint16_t index) {
    fireInteger(bind<&THIEditMulti::output>(edge_, 1), index);
}

void TClassChildPanelEx_1EF8790::pressed(TData& data) {
    fire(bind<&THIEditMulti::output>(edge_, 0), data);
}

}  // namespace lr
