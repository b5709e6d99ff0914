#include "shell/main_form.h"

#include "ui/platform.h"

namespace lr {

TClassMainForm_1E8A0D0::TClassMainForm_1E8A0D0()
    : TClassMultiBase(nullptr, nullptr),
      mainForm_(make<THIMainForm>()),
      trayIcon_(make<THITrayIcon>(mainForm_)) {
    setUpMainForm();
    setUpTrayIcon();
    link();
}

void TClassMainForm_1E8A0D0::setUpMainForm() {
    THIMainForm& f = mainForm_;
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
}

void TClassMainForm_1E8A0D0::setUpTrayIcon() {
    trayIcon_.MinimizeToTray = true;
}

// Start shows the tray icon; closing removes it.
void TClassMainForm_1E8A0D0::link() {
    mainForm_.onCreate = bind<&THITrayIcon::doShow>(trayIcon_);
    mainForm_.onClose = bind<&THITrayIcon::doHide>(trayIcon_);
    mainForm_.onMinimize = bind<&THITrayIcon::doMinimized>(trayIcon_);
    mainForm_.onRestore = bind<&THITrayIcon::doRestored>(trayIcon_);
}

}  // namespace lr
