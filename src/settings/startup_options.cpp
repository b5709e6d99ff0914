#include "settings/startup_options.h"

#include "settings/system.h"
#include "settings/translation.h"

namespace lr {

namespace {

constexpr const char* kIniFile = "lumenrig.ini";
constexpr const char* kIniSection = "init";
constexpr const char* kOwnKey = "Software\\Vxt_Lumenrig_12";
constexpr const char* kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const char* kRunName = "Vxt_Lumenrig_12.exe";
constexpr ui::Color kPageColor = 0xC0C0C0;
constexpr int kBoxWidth = 230;
constexpr int kBoxHeight = 15;

}  // namespace

// The option keys begin with the byte 0xE0 (a Cyrillic "a"), as the files written so far hold them.
struct TClassChildGroupBox_2D0CC40::Option {
    Action action;
    const char* caption;
    int left;
    int top;
    const char* key;
    std::int32_t delayMs;
};

namespace {

using Group = TClassChildGroupBox_2D0CC40;
constexpr std::array<Group::Option, Group::kActions> kOptions = {{
    {Group::Connect, "Auto connect to Port", 7, 34, "\xE0uto_com", 1000},
    {Group::Tray, "Auto minimize to Tray", 7, 53, "\xE0uto_trey", 1500},
    {Group::ColorOrgan, "Auto start Color Organ", 272, 15, "\xE0uto_music", 2000},
    {Group::Automation, "Auto start Automation", 272, 34, "\xE0uto_automat", 2500},
    {Group::Visualization, "Auto start Visualization", 272, 53, "\xE0uto_visualization", 2500},
}};
// After "AutoRUN", the start reads the options in this order.
constexpr std::array<Group::Action, Group::kActions> kReadOrder = {
    Group::Tray, Group::Connect, Group::ColorOrgan, Group::Automation, Group::Visualization};

}  // namespace

TClassChildGroupBox_2D0CC40::TClassChildGroupBox_2D0CC40(ui::Control* parent, TClassMultiBase* owner)
    : TClassMultiBase(parent, owner),
      group_(groupBox(parent)),
      withWindows_(checkBox("Start with Windows", 7, 15)),
      autoRun_(make<THIRegistry>()),
      runValue_(make<THIRegistry>()),
      autoRunOn_(make<THIIf_else>()),
      autoRunOff_(make<THIIf_else>()),
      autoRunWrite_(make<THIHub>(2)),
      runEntry_(make<THIIndexToChanel>(2)),
      curCom_(make<THIini>()),
      connectName_(make<THIStrCat>()),
      start_(make<THIHub>(1 + kActions)) {
    linkStartWithWindows();
    for (const Option& option : kOptions)
        timers_[option.action] = &autoOption(option);
    linkActions();
}

THIGroupBox& TClassChildGroupBox_2D0CC40::groupBox(ui::Control* parent) {
    THIGroupBox& g = make<THIGroupBox>(parent);
    g.Caption = settings::translate("Startup Options");
    g.Color_ = kPageColor;
    g.Top_ = 56;
    g.Width_ = 523;
    g.Height_ = 77;
    g.init();
    return g;
}

THICheckBox& TClassChildGroupBox_2D0CC40::checkBox(const char* caption, int left, int top) {
    THICheckBox& box = make<THICheckBox>(&group_.control());
    box.Caption = settings::translate(caption);
    box.Color_ = kPageColor;
    box.Left_ = left;
    box.Top_ = top;
    box.Width_ = kBoxWidth;
    box.Height_ = kBoxHeight;
    box.init();
    return box;
}

// "AutoRUN" decides the box. Where it cannot be read or holds neither "1" nor "0" (an ordinary user
// may not write under HKEY_LOCAL_MACHINE), the Run entry itself tells whether the program starts with
// the system.
void TClassChildGroupBox_2D0CC40::linkStartWithWindows() {
    autoRun_.Root = static_cast<int>(settings::RegistryRoot::LocalMachine);
    autoRun_.Key_ = kOwnKey;
    autoRun_.Name_ = "AutoRUN";
    autoRun_.Type = THIRegistry::DataType::String;
    autoRun_.onRead = bind<&THIIf_else::doCompare>(autoRunOn_);
    autoRunOn_.Op2_ = makeString("1");
    autoRunOn_.onTrue = bind<&THICheckBox::doCheck>(withWindows_);
    autoRunOn_.onFalse = bind<&THIIf_else::doCompare>(autoRunOff_);
    autoRunOff_.Op2_ = makeString("0");  // a Null (nothing read) is equal to no text
    autoRunOff_.onFalse = bind<&THIRegistry::doRead>(runValue_);

    runValue_.Root = static_cast<int>(settings::RegistryRoot::CurrentUser);
    runValue_.Key_ = kRunKey;
    runValue_.Name_ = kRunName;
    runValue_.Type = THIRegistry::DataType::String;
    runValue_.OnlySuccessfulReads = true;
    runValue_.Value = bind<&TClassChildGroupBox_2D0CC40::programFile>(*this);
    runValue_.onRead = bind<&THICheckBox::doCheck>(withWindows_);

    withWindows_.onCheck = bind<&THIHub::doEvent>(autoRunWrite_);
    autoRunWrite_.outputs[0] = bind<&THIRegistry::doWrite>(autoRun_);
    autoRunWrite_.outputs[1] = bind<&THIIndexToChanel::doEvent>(runEntry_);
    runEntry_.outputs[0] = bind<&THIRegistry::doDelete>(runValue_);
    runEntry_.outputs[1] = bind<&THIRegistry::doWrite>(runValue_);
}

// The box, its setting, and a one-tick timer that the setting starts when it reads 1. Ticking the box
// by program writes the setting back unchanged, as a click would.
THITimer& TClassChildGroupBox_2D0CC40::autoOption(const Option& option) {
    THICheckBox& box = checkBox(option.caption, option.left, option.top);
    THIini& setting = make<THIini>();
    THIIf_else& isOn = make<THIIf_else>();
    THIHub& turnOn = make<THIHub>(2);
    THITimer& delay = make<THITimer>();
    setting.FileName_ = kIniFile;
    setting.Section_ = kIniSection;
    setting.Key_ = option.key;
    setting.Type = THIini::ValueType::Integer;
    setting.onRead = bind<&THIIf_else::doCompare>(isOn);
    isOn.Op2_ = makeInteger(1);
    isOn.onTrue = bind<&THIHub::doEvent>(turnOn);
    turnOn.outputs[0] = bind<&THICheckBox::doCheck>(box);
    turnOn.outputs[1] = bind<&THITimer::doTimer>(delay);
    box.onCheck = bind<&THIini::doWrite>(setting);
    delay.Interval = option.delayMs;
    delay.Count = 1;
    settings_[option.action] = &setting;
    return delay;
}

void TClassChildGroupBox_2D0CC40::linkActions() {
    curCom_.FileName_ = kIniFile;
    curCom_.Section_ = kIniSection;
    curCom_.Key_ = "cur_com";
    curCom_.onRead = bind<&THIStrCat::doStrCat>(connectName_);
    connectName_.Str1_ = "COM ";
    timers_[Connect]->onTimer = bind<&THIini::doRead>(curCom_);
    actions_[Connect] = &connectName_.onResult;
    actions_[Tray] = &timers_[Tray]->onTimer;
    for (const Action action : {ColorOrgan, Automation, Visualization}) {
        THIDoData& started = make<THIDoData>();
        started.Data_ = makeInteger(1);
        timers_[action]->onTimer = bind<&THIDoData::doData>(started);
        actions_[action] = &started.onData;
    }

    start_.outputs[0] = bind<&THIRegistry::doRead>(autoRun_);
    for (std::size_t i = 0; i < kReadOrder.size(); ++i)
        start_.outputs[1 + i] = bind<&THIini::doRead>(*settings_[kReadOrder[i]]);
}

void TClassChildGroupBox_2D0CC40::doStart(TData& data) {
    start_.doEvent(data, 0);
}

void TClassChildGroupBox_2D0CC40::doPort(TData& data) {
    curCom_.doWrite(data);
}

void TClassChildGroupBox_2D0CC40::doStop(TData& data) {
    for (THITimer* timer : timers_)
        timer->doStop(data);
}

void TClassChildGroupBox_2D0CC40::programFile(TData& data) {
    data = makeString(settings::system().programFile());
}

}  // namespace lr
