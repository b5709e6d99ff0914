#pragma once
// TClassMainForm_1E8A0D0: the root of the container tree. The main window (borderless, dragged
// anywhere, centred at creation) and its tray icon, which appears at start and goes away at close.
#include "runtime/container.h"
#include "runtime/elements/tray_icon.h"
#include "runtime/elements/visual_main_form.h"

namespace lr {

class TClassMainForm_1E8A0D0 : public TClassMultiBase {
  public:
    // Needs the platform: the window icon comes from its resources.
    TClassMainForm_1E8A0D0();

    THIMainForm& mainForm() { return mainForm_; }
    THITrayIcon& trayIcon() { return trayIcon_; }

  private:
    void setUpMainForm();
    void setUpTrayIcon();
    void link();

    THIMainForm& mainForm_;
    THITrayIcon& trayIcon_;
};

}  // namespace lr
