#include "device/send_command.h"

#include "settings/translation.h"

namespace lr {

namespace {
constexpr ui::Color kPageColor = 0xC0C0C0;
constexpr int kRowTop = 15;
}  // namespace

TClassChildGroupBox_2D0DA00::TClassChildGroupBox_2D0DA00(ui::Control* parent, TClassMultiBase* owner)
    : TClassMultiBase(parent, owner),
      group_(groupBox(parent)),
      box_(commandBox()),
      send_(sendButton()),
      enter_(make<THIIf_else>()),
      text_(make<THIDoData>()) {
    send_.onClick = bind<&THIDoData::doData>(text_);
    box_.onKeyDown = bind<&THIIf_else::doCompare>(enter_);
    enter_.Op2_ = makeInteger(kEnterKey);
    enter_.onTrue = bind<&THIDoData::doData>(text_);
    text_.Data = bind<&THIEdit::Text>(box_);
}

THIGroupBox& TClassChildGroupBox_2D0DA00::groupBox(ui::Control* parent) {
    THIGroupBox& g = make<THIGroupBox>(parent);
    g.Caption = settings::translate("Sending COM-commands to Port");
    g.Color_ = kPageColor;
    g.Top_ = 137;
    g.Width_ = 523;
    g.Height_ = 44;
    g.init();
    return g;
}

THIEdit& TClassChildGroupBox_2D0DA00::commandBox() {
    THIEdit& e = make<THIEdit>(&group_.control());
    e.Color_ = ui::systemColor(ui::syscolor::Window);
    e.Left_ = 10;
    e.Top_ = kRowTop + 1;
    e.Width_ = 390;
    e.Height_ = 21;
    e.init();
    return e;
}

THIBitBtn& TClassChildGroupBox_2D0DA00::sendButton() {
    THIBitBtn& b = make<THIBitBtn>(&group_.control());
    b.Caption = settings::translate("Send command");
    b.Left_ = 410;
    b.Top_ = kRowTop;
    b.Width_ = 105;
    b.Height_ = 23;
    b.init();
    return b;
}

}  // namespace lr
