#include "ui/qt/qt_platform.h"

#include <QApplication>
#include <QSystemTrayIcon>
#include <cstdlib>
#include <iostream>
#include <string>

#include "ui/headless/headless_services.h"
#include "ui/qt/qt_loop.h"
#include "ui/qt/qt_services.h"
#include "ui/qt/qt_toolkit.h"
// X11 after Qt: its macros would break Qt's headers.
#include <X11/Xlib.h>

namespace ui::qt {

namespace {
std::string env(const char* name) {
    const char* v = std::getenv(name);
    return v ? v : "";
}

struct CloseDisplay {
    void operator()(Display* d) const { XCloseDisplay(d); }
};
using DisplayProbe = std::unique_ptr<Display, CloseDisplay>;

// QApplication ends the process when it cannot reach the X server, so ask first. The probe stays open
// until Qt has its own connection: a server with no client left resets (Xvfb does), refusing the next.
DisplayProbe probeXServer() {
    return DisplayProbe(XOpenDisplay(nullptr));
}

class NativePlatform final : public QtPlatform {
  public:
    NativePlatform(int& argc, char** argv) : app_(argc, argv) {
        QApplication::setQuitOnLastWindowClosed(false);
    }
    Loop& loop() override { return loop_; }
    MessageBoxes& messageBoxes() override { return boxes_; }
    Keyboard& keyboard() override { return keyboard_; }
    Toolkit& toolkit() override { return toolkit_; }
    Dialogs& dialogs() override { return dialogs_; }
    Screen& screen() override { return screen_; }
    Resources& resources() override { return resources_; }
    const char* platformName() const override { return name_.c_str(); }
    headless::HeadlessResources& builtInResources() override { return resources_; }

  private:
    QApplication app_;
    std::string name_ = QGuiApplication::platformName().toStdString();
    QtLoop loop_;
    QtMessageBoxes boxes_;
    QtKeyboard keyboard_;
    QtScreen screen_;
    QtToolkit toolkit_{screen_};
    QtDialogs dialogs_;
    headless::HeadlessResources resources_;
};
}  // namespace

bool displayAvailable() {
    return !env("QT_QPA_PLATFORM").empty() || !env("DISPLAY").empty() || !env("WAYLAND_DISPLAY").empty();
}

bool trayAvailable() {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

std::unique_ptr<QtPlatform> QtPlatform::create(int& argc, char** argv) {
    // Wayland forbids a program to place its own windows: run through XWayland.
    if (env("QT_QPA_PLATFORM").empty()) setenv("QT_QPA_PLATFORM", "xcb", 1);
    DisplayProbe probe;
    if (env("QT_QPA_PLATFORM").rfind("xcb", 0) == 0 && !(probe = probeXServer())) {
        std::cerr << "lumenrig: cannot open the X display \"" << env("DISPLAY")
                  << "\"; run with --headless, or set QT_QPA_PLATFORM=offscreen\n";
        return nullptr;
    }
    return std::make_unique<NativePlatform>(argc, argv);
}

}  // namespace ui::qt
