#pragma once
// The notification-area icon and its mouse events.
#include <functional>
#include <string>

#include "ui/control.h"

namespace ui {

enum class TrayEvent { Down, Up, Click, DoubleClick, Move, BalloonShown, BalloonTimeout, BalloonClick };

class TrayIcon {
  public:
    virtual ~TrayIcon() = default;
    virtual void show() = 0;
    virtual void hide() = 0;
    virtual bool shown() const = 0;
    virtual void setTip(std::string tip) = 0;  // cut to 63 characters
    virtual void setIcon(const Image& icon) = 0;
    std::function<void(TrayEvent, MouseButton)> onEvent;
};

// Modifier flags of a global hotkey.
namespace hotkeymod {
inline constexpr unsigned Alt = 1;
inline constexpr unsigned Ctrl = 2;
inline constexpr unsigned Shift = 4;
inline constexpr unsigned Win = 8;
}  // namespace hotkeymod

// A registered global hotkey; destroying it unregisters the key.
class HotKey {
  public:
    virtual ~HotKey() = default;
    std::function<void()> onPressed;
};

// Why a registration failed: 1 class not registered, 2 window not created, 3 the key is taken.
struct HotKeyRegistration {
    std::unique_ptr<HotKey> key;
    int error = 0;
};

}  // namespace ui
