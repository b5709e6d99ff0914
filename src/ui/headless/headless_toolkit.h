#pragma once
// The headless toolkit: keeps every control, menu, tray icon and hotkey so that tests can find them
// and act on them (see user.h).
#include <map>
#include <utility>
#include <vector>

#include "ui/headless/headless_control.h"
#include "ui/screen.h"
#include "ui/toolkit.h"

namespace ui::headless {

class HeadlessMenu : public PopupMenu {
  public:
    explicit HeadlessMenu(HeadlessToolkit& toolkit) : toolkit_(toolkit) {}
    ~HeadlessMenu() override;
    void setItems(std::vector<MenuItem> items) override { items_ = std::move(items); }
    void setStyle(const MenuStyle& style) override { style_ = style; }
    void setChecked(int id, bool on) override;
    void popup(Point screen) override;

    const std::vector<MenuItem>& items() const { return items_; }
    const MenuStyle& style() const { return style_; }
    bool open() const { return open_; }
    Point openedAt() const { return openedAt_; }
    // The user picks an item of the open menu (or of a submenu); the menu closes first.
    void choose(int id);
    void dismiss() { open_ = false; }
    // The item with that text, searched through the submenus; null when none.
    const MenuItem* find(std::string_view text) const;

  private:
    HeadlessToolkit& toolkit_;
    std::vector<MenuItem> items_;
    MenuStyle style_;
    bool open_ = false;
    Point openedAt_;
};

class HeadlessTray : public TrayIcon {
  public:
    explicit HeadlessTray(HeadlessToolkit& toolkit) : toolkit_(toolkit) {}
    ~HeadlessTray() override;
    void show() override { shown_ = true; }
    void hide() override { shown_ = false; }
    bool shown() const override { return shown_; }
    void setTip(std::string tip) override;
    void setIcon(const Image& icon) override { icon_ = icon; }
    const std::string& tip() const { return tip_; }
    const Image& icon() const { return icon_; }
    // A mouse event on the icon, as the user makes it.
    void send(TrayEvent event, MouseButton button);

  private:
    HeadlessToolkit& toolkit_;
    bool shown_ = false;
    std::string tip_;
    Image icon_;
};

class HeadlessToolkit : public Toolkit {
  public:
    explicit HeadlessToolkit(const Screen& screen) : screen_(screen) {}
    std::unique_ptr<Window> createWindow(const WindowSpec& params) override;
    std::unique_ptr<Control> createControl(Control* parent, const ControlSpec& params) override;
    std::unique_ptr<PopupMenu> createPopupMenu() override;
    std::unique_ptr<TrayIcon> createTrayIcon(Window& owner) override;
    HotKeyRegistration registerHotKey(int virtualKey, unsigned modifiers) override;
    Window* windowFromHandle(std::intptr_t handle) const override;
    void setHintStyle(const HintStyle& style) override { hintStyle_ = style; }
    Size textExtent(const Font& font, std::string_view text) const override;

    const Screen& screen() const { return screen_; }
    const HintStyle& hintStyle() const { return hintStyle_; }
    // Every live top-level window, in creation order.
    std::vector<HeadlessControl*> windows() const;
    // Every live control and window, for leak checks.
    std::size_t controlCount() const { return controls_.size(); }
    HeadlessControl* fromHandle(std::intptr_t handle) const;
    HeadlessControl* activeWindow() const { return active_; }
    const std::vector<HeadlessMenu*>& menus() const { return menus_; }
    // The menu shown last and not yet closed; null when none.
    HeadlessMenu* openMenu() const;
    const std::vector<HeadlessTray*>& trayIcons() const { return trays_; }
    // The user presses a global hotkey; false when nobody holds it.
    bool pressHotKey(int virtualKey, unsigned modifiers);
    // Another program takes a key, so registering it fails.
    void takeHotKeyElsewhere(int virtualKey, unsigned modifiers);

    void adopt(HeadlessControl& c) { controls_.push_back(&c); }
    void release(HeadlessControl& c);
    void activate(HeadlessControl& window);
    void forget(HeadlessMenu& m) { std::erase(menus_, &m); }
    void forget(HeadlessTray& t) { std::erase(trays_, &t); }
    void forget(std::pair<int, unsigned> key) { hotKeys_.erase(key); }

  private:
    const Screen& screen_;
    HintStyle hintStyle_;
    std::vector<HeadlessControl*> controls_;
    HeadlessControl* active_ = nullptr;
    std::vector<HeadlessMenu*> menus_;
    std::vector<HeadlessTray*> trays_;
    std::map<std::pair<int, unsigned>, HotKey*> hotKeys_;
    std::intptr_t nextHandle_ = 0x10010;
};

}  // namespace ui::headless
