#pragma once
// Makes windows, controls, menus, tray icons and hotkeys. The caller owns what it makes and destroys
// children before their parents (containers destroy in reverse creation order).
#include <memory>

#include "ui/control.h"
#include "ui/menu.h"
#include "ui/tray.h"
#include "ui/window.h"

namespace ui {

struct HintStyle {
    Color background = rgb(255, 255, 225);
    Color text = rgb(0, 0, 0);
    int delayMs = 500;
};

class Toolkit {
  public:
    virtual ~Toolkit() = default;
    virtual std::unique_ptr<Window> createWindow(const WindowSpec& params) = 0;
    // A null parent parks the control on a hidden window until it is given a place.
    virtual std::unique_ptr<Control> createControl(Control* parent, const ControlSpec& params) = 0;
    virtual std::unique_ptr<PopupMenu> createPopupMenu() = 0;
    virtual std::unique_ptr<TrayIcon> createTrayIcon(Window& owner) = 0;
    virtual HotKeyRegistration registerHotKey(int virtualKey, unsigned modifiers) = 0;
    // The live top-level window of that handle (Control::handle); null for anything else.
    virtual Window* windowFromHandle(std::intptr_t handle) const = 0;
    virtual void setHintStyle(const HintStyle& style) = 0;
    // The size one line of text takes in a font.
    virtual Size textExtent(const Font& font, std::string_view text) const = 0;
};

}  // namespace ui
