#include "device/port_panel.h"

#include <algorithm>

#include "settings/translation.h"

namespace lr {

namespace {

constexpr ui::Color kPageColor = 0xC0C0C0;
constexpr int kRowTop = 19;
constexpr int kButtonWidth = 105;
constexpr int kButtonHeight = 23;
constexpr std::int32_t kLastPort = 255;  // "COM" and three digits: the longest name a port may have

bool isPortNumber(const std::string& text) {
    if (text.empty() || text.size() > 3) return false;
    if (!std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) return false;
    const int n = std::stoi(text);
    return n >= 1 && n <= kLastPort;
}

}  // namespace

TClassChildGroupBox_2D0BBC0::TClassChildGroupBox_2D0BBC0(ui::Control* parent, TClassMultiBase* owner)
    : TClassMultiBase(parent, owner),
      group_(groupBox(parent)),
      list_(portList()),
      open_(button("Open Port", 185)),
      scanButton_(button("Scan Ports", 295)),
      close_(button("Close Port", 405)),
      scan_(make<THIPortScan>()),
      selected_(make<THIDoData>()),
      number_(make<THIDelete>()),
      portNumber_(make<THIMemory>()),
      portBaud_(make<THIMemory>()),
      opening_(make<THIHub>(3)),
      closing_(make<THIHub>(3)),
      lock_(make<THIDoData>()),
      unlock_(make<THIDoData>()),
      enable_(make<THIHub>(3)) {
    link();
}

// Each control is set up as it is made: the next one is made inside it or beside it.
THIGroupBox& TClassChildGroupBox_2D0BBC0::groupBox(ui::Control* parent) {
    THIGroupBox& g = make<THIGroupBox>(parent);
    g.Caption = settings::translate("Choose Port for Lumenrig");
    g.Color_ = kPageColor;
    g.Width_ = 523;
    g.Height_ = 52;
    g.init();
    return g;
}

THIComboBox& TClassChildGroupBox_2D0BBC0::portList() {
    THIComboBox& l = make<THIComboBox>(&group_.control());
    l.Color_ = ui::systemColor(ui::syscolor::Window);
    l.Left_ = 10;
    l.Top_ = kRowTop + 1;
    l.Width_ = 160;
    l.Height_ = 21;
    l.init();
    return l;
}

THIBitBtn& TClassChildGroupBox_2D0BBC0::button(const char* caption, int left) {
    THIBitBtn& b = make<THIBitBtn>(&group_.control());
    b.Caption = settings::translate(caption);
    b.Left_ = left;
    b.Top_ = kRowTop;
    b.Width_ = kButtonWidth;
    b.Height_ = kButtonHeight;
    b.init();
    return b;
}

void TClassChildGroupBox_2D0BBC0::link() {
    scan_.onClear = bind<&THIComboBox::doClear>(list_);
    scan_.onItem = bind<&THIComboBox::doAdd>(list_);
    scan_.onDone = bind<&THIComboBox::doSelectString>(list_);
    scanButton_.onClick = bind<&THIPortScan::doScan>(scan_);

    open_.onClick = bind<&THIDoData::doData>(selected_);
    selected_.Data = bind<&THIComboBox::String>(list_);
    selected_.onData = bind<&THIDelete::doDelete>(number_);
    number_.range = {.Position = 1, .Count = 4};  // "COM "
    number_.onResult = bind<&TClassChildGroupBox_2D0BBC0::checkNumber>(*this);

    portBaud_.Default = makeInteger(kBaud);
    opening_.outputs[0] = bind<&THIMemory::doValue>(portNumber_);
    opening_.outputs[2] = bind<&THIDoData::doData>(lock_);
    closing_.outputs[1] = bind<&THIDoData::doData>(unlock_);
    closing_.outputs[2] = bind<&THIPortScan::doScan>(scan_);
    close_.onClick = bind<&THIHub::doEvent>(closing_);

    lock_.Data_ = makeInteger(0);
    lock_.onData = bind<&THIHub::doEvent>(enable_);
    unlock_.Data_ = makeInteger(1);
    unlock_.onData = bind<&THIHub::doEvent>(enable_);
    enable_.outputs[0] = bind<&THIWin::doEnabled>(open_);
    enable_.outputs[1] = bind<&THIWin::doEnabled>(scanButton_);
    enable_.outputs[2] = bind<&THIWin::doEnabled>(list_);
}

void TClassChildGroupBox_2D0BBC0::doScan(TData& data) {
    scan_.doScan(data);
}

void TClassChildGroupBox_2D0BBC0::doOpenItem(TData& data) {
    number_.doDelete(data);
}

void TClassChildGroupBox_2D0BBC0::PortNumber(TData& data) {
    portNumber_.Value(data);
}

void TClassChildGroupBox_2D0BBC0::PortBaud(TData& data) {
    portBaud_.Value(data);
}

// A locked "Open Port" means a port is open: a second open (the saved port, arriving after the user
// chose one) would change the number under the open link. A text that names no port ("COM abc", an
// empty list) would lock the panel with nothing to close.
void TClassChildGroupBox_2D0BBC0::checkNumber(TData& data) {
    if (!open_.control().enabled() || !isPortNumber(toString(data))) return;
    opening_.doEvent(data, 0);
}

}  // namespace lr
