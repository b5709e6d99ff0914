#pragma once
// The Qt toolkit: the parking widget of controls without a place, the live windows by handle, popup
// menus as QMenus of our own drawing, the tray icon and the X11 hotkeys.
#include <QWidget>
#include <map>
#include <memory>

#include "ui/screen.h"
#include "ui/toolkit.h"

namespace ui::qt {

class QtControl;
class HotKeyGrabber;

class QtToolkit : public Toolkit {
  public:
    explicit QtToolkit(const Screen& screen);
    ~QtToolkit() override;
    std::unique_ptr<Window> createWindow(const WindowSpec& params) override;
    std::unique_ptr<Control> createControl(Control* parent, const ControlSpec& params) override;
    std::unique_ptr<PopupMenu> createPopupMenu() override;
    std::unique_ptr<TrayIcon> createTrayIcon(Window& owner) override;
    HotKeyRegistration registerHotKey(int virtualKey, unsigned modifiers) override;
    Window* windowFromHandle(std::intptr_t handle) const override;
    void setHintStyle(const HintStyle& style) override;
    Size textExtent(const Font& font, std::string_view text) const override;

    const Screen& screen() const { return screen_; }
    QWidget* parking() const { return parking_.get(); }
    void adopt(QtControl& window);
    void forget(QtControl& window);

  private:
    const Screen& screen_;
    std::unique_ptr<QWidget> parking_;
    std::map<std::intptr_t, QtControl*> windows_;
    std::unique_ptr<HotKeyGrabber> hotKeys_;
};

}  // namespace ui::qt
