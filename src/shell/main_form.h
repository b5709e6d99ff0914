#pragma once
// TClassMainForm_1E8A0D0: the root of the container tree. The borderless main window with its top strip,
// mode bar and mode pages; the tray icon; the window commands; the registry heartbeat; the page kept
// between runs; the manual, the web page and the restart after a change of language.
#include "runtime/container.h"
#include "runtime/elements/counters.h"
#include "runtime/elements/data_flow.h"
#include "runtime/elements/hub.h"
#include "runtime/elements/move_window.h"
#include "runtime/elements/str_list.h"
#include "runtime/elements/text_elements.h"
#include "runtime/elements/timer.h"
#include "runtime/elements/tray_icon.h"
#include "runtime/elements/visual_main_form.h"
#include "runtime/multi_element.h"
#include "settings/ini_element.h"
#include "settings/program_elements.h"
#include "settings/registry_element.h"
#include "shell/language_chooser.h"
#include "shell/mode_pages.h"

namespace lr {

class TClassMainForm_1E8A0D0 : public TClassMultiBase {
  public:
    static constexpr std::int32_t kHeartbeatMs = 1000;

    // Loads the translation table first: every caption below is made through it.
    explicit TClassMainForm_1E8A0D0(const PageFactories& pages = programPages());

    THIMainForm& mainForm() { return mainForm_; }
    THITrayIcon& trayIcon() { return trayIcon_; }
    TClassChildPanelEx_1EF9EF0& modePages();
    // Every command that went to the port, the all-off texts included; not linked inside the tree.
    Point& onCommands() { return modePages_.outputs[4]; }

  private:
    static bool translate();
    THIMainForm& makeMainForm();
    THIini& makeIni(const char* section, const char* key, THIini::ValueType type);
    void buildSubContainers(const PageFactories& pages);
    void linkStart();
    void linkModes();
    void linkWindowCommands();
    void linkTray();
    void linkHeartbeat();
    void linkManual();
    void linkClosing();
    void restorePage(TData& data);
    void openWebPage(TData& data);
    void toTray(TData& data);
    void restart(TData& data);

    bool translated_;
    THIMainForm& mainForm_;
    THIMultiElement& topStrip_;
    THIMultiElement& modeBar_;
    THITrayIcon& trayIcon_;
    THIMultiElement& windowCommands_;
    THIini& debugCount_;
    THITimer& heartbeat_;
    THICounterEx& heartbeatCounter_;
    THIRegistry& heartbeatWriter_;
    THIini& pageSetting_;
    TClassChildFormEx_1EF9810& languageChooser_;
    THIWinExec& restartRunner_;
    THIApplication& application_;
    THIIndexToChanel& pageRouter_;
    THIWinExec& manualRunner_;
    THIDir& programFolder_;
    THIFormatStr& manualPath_;
    THIini& languageSetting_;
    THIStrCat& manualName_;
    THIMoveWindow& windowMover_;
    THIWinExec& webRunner_;
    THIMultiElement& modePages_;
    THITimer& deferredPage_;
    THIMemory& pageMemory_;
    THIStrList& webAddresses_;
    THIHub& startHub_;
    THIHub& pageRead_;
    THIHub& modeChosen_;
    THIHub& closeHub_;
    THIHub& restartHub_;
};

}  // namespace lr
