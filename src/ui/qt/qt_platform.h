#pragma once
// The Qt 6 Widgets backend: every control kind as a widget at its logical place (Qt scales by the
// screen's device pixel ratio), the loop on Qt's event loop, frameless windows moved by our own mouse
// handling, opacity and colour-key masks, the tray with our own menu, hotkeys grabbed on the X root.
// Only this folder includes Qt or X11 headers.
#include <memory>

#include "ui/headless/headless_services.h"
#include "ui/platform.h"

namespace ui::qt {

class QtPlatform : public Platform {
  public:
    // Call once, on the thread that will run the loop. Without a display (and no QT_QPA_PLATFORM) it
    // returns null and writes the reason to `err`, so the caller can fall back to the headless backend.
    // On a Wayland session it asks for XWayland (xcb) when QT_QPA_PLATFORM is unset.
    static std::unique_ptr<QtPlatform> create(int& argc, char** argv);
    // The platform plug-in in use ("xcb", "offscreen").
    virtual const char* platformName() const = 0;
    // Linux programs have no resource section: the program registers its built-in pictures here.
    virtual headless::HeadlessResources& builtInResources() = 0;
};

// True when a display (X11 or Wayland) or an explicit QT_QPA_PLATFORM is there to run Qt on.
bool displayAvailable();
// Whether the desktop has a notification area to show the tray icon in (after create).
bool trayAvailable();

}  // namespace ui::qt
