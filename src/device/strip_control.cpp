#include "device/strip_control.h"

#include <string>

#include "settings/translation.h"

namespace lr {

using Group = TClassChildGroupBox_30E4540;

const std::array<const char*, Group::kFunctions> Group::kCaptions = {
    "0 All_Off", "1 EE-series", "2 Flash-series", "3 Next",         "4 strip_Mirror",
    "5 strip_R", "6 strip_G",   "7 strip_B",      "8 strip_IR_Out",
};

namespace {

constexpr const char* kIniFile = "lumenrig.ini";
constexpr const char* kIniSection = "ws2812";
constexpr ui::Color kPageColor = 0xC0C0C0;
constexpr std::size_t kUnlatched = 4;  // functions 0..3 form the first column
constexpr int kHeadingTop = 15;
constexpr int kFirstRowTop = 30;
constexpr int kRowStep = 16;
constexpr int kBoxHeight = 15;
constexpr std::array<int, 2> kColumnLeft = {7, 140};
constexpr std::array<int, 2> kColumnWidth = {125, 140};
constexpr int kRightLeft = 295;
constexpr const char* kResendMask = "%1 %2 %3 %4 %5 %6 %7 %8 %9";

}  // namespace

Group::TClassChildGroupBox_30E4540(ui::Control* parent, TClassMultiBase* owner)
    : TClassMultiBase(parent, owner),
      group_(groupBox(parent)),
      command_(make<THIHub>(2)),
      functions_(functions()),
      restore_(make<THITimer>()),
      restoreAll_(make<THIHub>(kFunctions)),
      resend_(resendButton()),
      resendLine_(make<THIFormatStr>(kFunctions)),
      toCom_(toComBox()) {
    command_.outputs[0] = bind<&THIEdit::doText>(toCom_);
    linkRestore();
    linkResend();
}

THIGroupBox& Group::groupBox(ui::Control* parent) {
    THIGroupBox& g = make<THIGroupBox>(parent);
    g.Caption = settings::translate("Control LumenrigWS2812");
    g.Color_ = kPageColor;
    g.Width_ = kWidth;
    g.Height_ = kHeight;
    g.init();
    return g;
}

THILabel& Group::label(const char* caption, int left, int top, int width) {
    THILabel& l = make<THILabel>(&group_.control());
    l.Caption = settings::translate(caption);
    l.Color_ = kPageColor;
    l.Left_ = left;
    l.Top_ = top;
    l.Width_ = width;
    l.Height_ = 13;
    l.init();
    return l;
}

std::array<Group::Function, Group::kFunctions> Group::functions() {
    label("Without latch", kColumnLeft[0], kHeadingTop, kColumnWidth[0]);
    label("With latch", kColumnLeft[1], kHeadingTop, kColumnWidth[1]);
    std::array<Function, kFunctions> all{};
    for (std::size_t k = 0; k < kFunctions; ++k)
        all[k] = function(k);
    return all;
}

// A change of the box writes its state and sends line 0 ("^k", off) or line 1 ("_k", on) of its list;
// the list keeps the line last sent, for "ReSend All".
Group::Function Group::function(std::size_t k) {
    const std::size_t column = k < kUnlatched ? 0 : 1;
    const std::size_t row = column == 0 ? k : k - kUnlatched;
    THICheckBox& box = make<THICheckBox>(&group_.control());
    box.Caption = settings::translate(kCaptions[k]);
    box.Color_ = kPageColor;
    box.Left_ = kColumnLeft[column];
    box.Top_ = kFirstRowTop + static_cast<int>(row) * kRowStep;
    box.Width_ = kColumnWidth[column];
    box.Height_ = kBoxHeight;
    box.init();

    THIini& setting = make<THIini>();
    setting.FileName_ = kIniFile;
    setting.Section_ = kIniSection;
    setting.Key_ = kCaptions[k];
    setting.Type = THIini::ValueType::Integer;

    THIStrList& commands = make<THIStrList>();
    const std::string digit(1, static_cast<char>('0' + k));
    commands.Strings = {"^" + digit, "_" + digit};
    commands.onGetString = bind<&THIHub::doEvent>(command_);

    THIHub& changed = make<THIHub>(2);
    box.onCheck = bind<&THIHub::doEvent>(changed);
    changed.outputs[0] = bind<&THIini::doWrite>(setting);
    changed.outputs[1] = bind<&THIStrList::doGetString>(commands);
    return {&box, &setting, &commands};
}

THIBitBtn& Group::resendButton() {
    THIBitBtn& b = make<THIBitBtn>(&group_.control());
    b.Caption = settings::translate("ReSend All");
    b.Left_ = kRightLeft;
    b.Top_ = kFirstRowTop - 2;
    b.Width_ = 105;
    b.Height_ = 23;
    b.init();
    return b;
}

// Only shows what went out; typing into it sends nothing.
THIEdit& Group::toComBox() {
    label("to COM", kRightLeft, kFirstRowTop + 3 * kRowStep + 2, 45);
    THIEdit& e = make<THIEdit>(&group_.control());
    e.Name = "to COM";
    e.Text_ = "--";
    e.ReadOnly = true;
    e.Color_ = ui::systemColor(ui::syscolor::Window);
    e.Left_ = kRightLeft + 50;
    e.Top_ = kFirstRowTop + 3 * kRowStep - 2;
    e.Width_ = kWidth - 8 - (kRightLeft + 50);
    e.Height_ = 21;
    e.init();
    return e;
}

// The tick reads the nine keys in order; a key holding 1 ticks its box, which sends "_k" and writes
// the 1 back. Any other value leaves the box as it is and sends nothing.
void Group::linkRestore() {
    restore_.Interval = kRestoreMs;
    restore_.Count = 1;
    restore_.onTimer = bind<&THIHub::doEvent>(restoreAll_);
    for (std::size_t k = 0; k < kFunctions; ++k) {
        THIIf_else& isOn = make<THIIf_else>();
        isOn.Op2_ = makeInteger(1);
        isOn.onTrue = bind<&THICheckBox::doCheck>(*functions_[k].box);
        functions_[k].setting->onRead = bind<&THIIf_else::doCompare>(isOn);
        restoreAll_.outputs[k] = bind<&THIini::doRead>(*functions_[k].setting);
    }
}

// A function not changed since start gives an empty part, so its place stays as a double blank.
void Group::linkResend() {
    resendLine_.Mask = kResendMask;
    for (std::size_t k = 0; k < kFunctions; ++k)
        resendLine_.Str[k] = bind<&THIStrList::String>(*functions_[k].commands);
    resendLine_.onResult = bind<&THIHub::doEvent>(command_);
    resend_.onClick = bind<&THIFormatStr::doFormat>(resendLine_);
}

void Group::doStart(TData& data) {
    restore_.doTimer(data);
}

}  // namespace lr
