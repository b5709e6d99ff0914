#pragma once
// Global hotkeys as key grabs on the X root window, with NumLock and CapsLock held or not. A grab that
// another program holds fails alone (error 3), caught by an X error handler instead of ending us.
#include <QAbstractNativeEventFilter>
#include <map>
#include <utility>

#include "ui/tray.h"

namespace ui::qt {

class HotKeyGrabber : public QAbstractNativeEventFilter {
  public:
    HotKeyGrabber();
    ~HotKeyGrabber() override;
    HotKeyGrabber(const HotKeyGrabber&) = delete;
    HotKeyGrabber& operator=(const HotKeyGrabber&) = delete;

    // Error 2 when there is no X display (the offscreen platform, a Wayland-only session).
    HotKeyRegistration grab(int virtualKey, unsigned modifiers);
    // X keycode and modifier mask of a grab.
    using Key = std::pair<unsigned, unsigned>;
    void release(Key key);
    bool nativeEventFilter(const QByteArray& type, void* message, qintptr* result) override;

  private:
    void* display_ = nullptr;  // the Xlib display of Qt's connection
    std::map<Key, HotKey*> keys_;
};

}  // namespace ui::qt
