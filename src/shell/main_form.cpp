#include "shell/main_form.h"

#include "runtime/strings.h"
#include "settings/paths.h"
#include "settings/translation.h"
#include "shell/resource_texts.h"
#include "shell/top_strip.h"
#include "shell/window_commands.h"
#include "ui/platform.h"

namespace lr {

namespace {
constexpr const char* kSettingsFile = "lumenrig.ini";
constexpr int kHeartbeatMax = 100;
}  // namespace

bool TClassMainForm_1E8A0D0::translate() {
    return settings::loadTranslation(settings::programFolder());
}

TClassMainForm_1E8A0D0::TClassMainForm_1E8A0D0(const PageFactories& pages)
    : TClassMultiBase(nullptr, nullptr),
      translated_(translate()),
      mainForm_(makeMainForm()),
      topStrip_(make<THIMultiElement>(&mainForm_.control(), this, 2, 0)),
      modeBar_(make<THIMultiElement>(&mainForm_.control(), this, 1, 0)),
      trayIcon_(make<THITrayIcon>(mainForm_)),
      windowCommands_(make<THIMultiElement>(&mainForm_.control(), this, 5, 0)),
      debugCount_(makeIni("debug", "count", THIini::ValueType::Integer)),
      heartbeat_(make<THITimer>()),
      heartbeatCounter_(make<THICounterEx>()),
      heartbeatWriter_(make<THIRegistry>()),
      pageSetting_(makeIni("init", "page", THIini::ValueType::Integer)),
      languageChooser_(own<TClassChildFormEx_1EF9810>(this)),
      restartRunner_(make<THIWinExec>()),
      application_(make<THIApplication>()),
      pageRouter_(make<THIIndexToChanel>(2)),
      manualRunner_(make<THIWinExec>()),
      programFolder_(make<THIDir>()),
      manualPath_(make<THIFormatStr>(2)),
      languageSetting_(makeIni("localization", "language", THIini::ValueType::String)),
      manualName_(make<THIStrCat>()),
      windowMover_(make<THIMoveWindow>()),
      webRunner_(make<THIWinExec>()),
      modePages_(make<THIMultiElement>(&mainForm_.control(), this, 5, 0)),
      deferredPage_(make<THITimer>()),
      pageMemory_(make<THIMemory>()),
      webAddresses_(make<THIStrList>()),
      startHub_(make<THIHub>(5)),
      pageRead_(make<THIHub>(2)),
      modeChosen_(make<THIHub>(2)),
      closeHub_(make<THIHub>(2)),
      restartHub_(make<THIHub>(2)) {
    buildSubContainers(pages);
    trayIcon_.MinimizeToTray = true;
    linkStart();
    linkModes();
    linkWindowCommands();
    linkTray();
    linkHeartbeat();
    linkManual();
    linkClosing();
}

TClassChildPanelEx_1EF9EF0& TClassMainForm_1E8A0D0::modePages() {
    return *static_cast<TClassChildPanelEx_1EF9EF0*>(modePages_.instance());
}

THIMainForm& TClassMainForm_1E8A0D0::makeMainForm() {
    THIMainForm& f = make<THIMainForm>();
    f.Left_ = 21;
    f.Top_ = 105;
    f.Width_ = 541;
    f.Height_ = 599;
    f.Color_ = 0xC0C0C0;
    f.Font = ui::Font{"Arial", 8};
    f.Caption = "Vxt Lumenrig 12";
    f.Icon = ui::platform().resources().icon("ICON0");
    f.BorderStyle = ui::WindowBorder::None;
    f.DragAnywhere = true;
    f.Centered = true;
    f.Main = true;
    f.PositionKey = "lumenrig.ini\\main_position";
    return f;
}

THIini& TClassMainForm_1E8A0D0::makeIni(const char* section, const char* key, THIini::ValueType type) {
    THIini& ini = make<THIini>();
    ini.FileName_ = kSettingsFile;
    ini.Section_ = section;
    ini.Key_ = key;
    ini.Type = type;
    return ini;
}

void TClassMainForm_1E8A0D0::buildSubContainers(const PageFactories& pages) {
    topStrip_.setCreate([this](ui::Control* p, TClassMultiBase* o) {
        return std::make_unique<TClassChildPanelEx_1EF8790>(p, o, topStrip_);
    });
    modeBar_.setCreate([this](ui::Control* p, TClassMultiBase* o) {
        return std::make_unique<TClassChildPanelEx_1EF8A50>(p, o, modeBar_);
    });
    windowCommands_.setCreate([this](ui::Control* p, TClassMultiBase* o) {
        return std::make_unique<TClassMultiElement_1EF8E70>(p, o, windowCommands_);
    });
    modePages_.setCreate([this, pages](ui::Control* p, TClassMultiBase* o) {
        return std::make_unique<TClassChildPanelEx_1EF9EF0>(p, o, modePages_, pages);
    });
}

// Start: the tray icon, the page of the last run (switched to from the loop, a millisecond later), the
// pages' own start, the top strip.
void TClassMainForm_1E8A0D0::linkStart() {
    mainForm_.onCreate = bind<&THIHub::doEvent>(startHub_);
    startHub_.outputs[0] = bind<&THITrayIcon::doShow>(trayIcon_);
    startHub_.outputs[1] = bind<&THIini::doRead>(pageSetting_);
    startHub_.outputs[2] = bind<&THIMultiElement::doWork>(modePages_, 0);
    startHub_.outputs[4] = bind<&THIMultiElement::doWork>(topStrip_, 0);
    pageSetting_.onRead = bind<&THIHub::doEvent>(pageRead_);
    pageRead_.outputs[0] = bind<&THIMultiElement::doWork>(modeBar_, 0);
    pageRead_.outputs[1] = bind<&THIMemory::doValue>(pageMemory_);
    pageMemory_.onData = bind<&THITimer::doTimer>(deferredPage_);
    deferredPage_.Interval = 1;
    deferredPage_.Count = 1;
    deferredPage_.onTimer = bind<&TClassMainForm_1E8A0D0::restorePage>(*this);
}

void TClassMainForm_1E8A0D0::restorePage(TData&) {
    TData page;
    pageMemory_.Value(page);
    modePages_.doWork(page, 4);
}

// A mode without an address (the list may be shorter, or empty) opens nothing.
void TClassMainForm_1E8A0D0::openWebPage(TData& data) {
    if (!toString(data).empty()) webRunner_.doExec(data);
}

// The startup option "Auto minimize to Tray": the same as the strip's minimise button.
void TClassMainForm_1E8A0D0::toTray(TData&) {
    TData minimise = makeInteger(window_command::Minimise);
    windowCommands_.doWork(minimise, 0);
}

// The new instance reads the language from the settings; the chosen name is no argument of it.
void TClassMainForm_1E8A0D0::restart(TData&) {
    TData none;
    restartRunner_.doExec(none);
}

void TClassMainForm_1E8A0D0::linkModes() {
    modeBar_.outputs[0] = bind<&THIHub::doEvent>(modeChosen_);
    modeChosen_.outputs[0] = bind<&THIMultiElement::doWork>(modePages_, 4);
    modeChosen_.outputs[1] = bind<&THIini::doWrite>(pageSetting_);
    modePages_.outputs[0] = bind<&THIMainForm::doClose>(mainForm_);
    modePages_.outputs[1] = bind<&TClassMainForm_1E8A0D0::toTray>(*this);
    modePages_.outputs[3] = bind<&THIWin::doHeight>(mainForm_);
}

void TClassMainForm_1E8A0D0::linkWindowCommands() {
    topStrip_.outputs[0] = bind<&THIMoveWindow::doMove>(windowMover_);
    topStrip_.outputs[1] = bind<&THIMultiElement::doWork>(windowCommands_, 0);
    windowMover_.Handle = bind<&THIWin::Handle>(mainForm_);
    windowCommands_.outputs[0] = bind<&THIMultiElement::doWork>(modePages_, 3);
    windowCommands_.outputs[1] = bind<&TClassChildFormEx_1EF9810::doOpen>(languageChooser_);
    windowCommands_.outputs[2] = bind<&THIini::doRead>(languageSetting_);
    windowCommands_.outputs[3] = bind<&THIStrList::doGetString>(webAddresses_);
    webAddresses_.Strings = splitLines(shell::webAddresses());
    webAddresses_.Index = bind<&THIMultiElement::Data>(modeBar_, 0);
    webAddresses_.onGetString = bind<&TClassMainForm_1E8A0D0::openWebPage>(*this);
    languageChooser_.onChosen = bind<&THIHub::doEvent>(restartHub_);
    restartHub_.outputs[0] = bind<&THIMainForm::doClose>(mainForm_);
    restartHub_.outputs[1] = bind<&TClassMainForm_1E8A0D0::restart>(*this);
    restartRunner_.FileName = bind<&THIApplication::FileName>(application_);
}

// A left click on the icon flips minimised and shown; a right click opens the tray menu.
void TClassMainForm_1E8A0D0::linkTray() {
    trayIcon_.onClick = bind<&THIIndexToChanel::doEvent>(pageRouter_);
    pageRouter_.outputs[0] = bind<&THIMultiElement::doWork>(windowCommands_, 1);
    pageRouter_.outputs[1] = bind<&THIMultiElement::doWork>(modePages_, 2);
    trayIcon_.onHide = bind<&THIMultiElement::doWork>(windowCommands_, 2);
    mainForm_.onMinimize = bind<&THITrayIcon::doMinimized>(trayIcon_);
    mainForm_.onRestore = bind<&THITrayIcon::doRestored>(trayIcon_);
}

void TClassMainForm_1E8A0D0::linkHeartbeat() {
    heartbeatCounter_.Max = kHeartbeatMax;
    heartbeatWriter_.Root = static_cast<int>(settings::RegistryRoot::LocalMachine);
    heartbeatWriter_.Key_ = "Software\\Vxt_Lumenrig_12";
    heartbeatWriter_.Name_ = "WatchDog";
    heartbeatWriter_.Type = THIRegistry::DataType::Integer;
    heartbeat_.onTimer = bind<&THICounterEx::doNext>(heartbeatCounter_);
    heartbeatCounter_.onNext = bind<&THIRegistry::doWrite>(heartbeatWriter_);
    heartbeat_.Interval = kHeartbeatMs;
    heartbeat_.setEnable(true);
}

// "%1manual\%2.pdf": the program's folder and "Manual_" followed by the language.
void TClassMainForm_1E8A0D0::linkManual() {
    languageSetting_.onRead = bind<&THIStrCat::doStrCat>(manualName_);
    manualName_.Str1_ = "Manual_";
    manualName_.onResult = bind<&THIFormatStr::doFormat>(manualPath_);
    manualPath_.Mask = "%1manual\\%2.pdf";
    manualPath_.Str[0] = bind<&THIDir::Dir>(programFolder_);
    manualPath_.onResult = bind<&THIWinExec::doExec>(manualRunner_);
}

// Closing: the pages first (the all-off text leads), then the tray icon; the window saves its place.
void TClassMainForm_1E8A0D0::linkClosing() {
    mainForm_.onClose = bind<&THIHub::doEvent>(closeHub_);
    closeHub_.outputs[0] = bind<&THIMultiElement::doWork>(modePages_, 1);
    closeHub_.outputs[1] = bind<&THITrayIcon::doHide>(trayIcon_);
}

}  // namespace lr
