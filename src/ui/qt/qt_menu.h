#pragma once
// Popup menus and the tray icon. The tray gets no menu of its own: a menu handed to it would be drawn
// by the panel, without our look and check marks; the owner pops ours up at the cursor instead.
#include <QMenu>
#include <QSystemTrayIcon>
#include <memory>

#include "ui/menu.h"
#include "ui/screen.h"
#include "ui/tray.h"

namespace ui::qt {

class QtMenu : public PopupMenu {
  public:
    explicit QtMenu(const Screen& screen);
    ~QtMenu() override;
    void setItems(std::vector<MenuItem> items) override;
    void setStyle(const MenuStyle& style) override;
    void setChecked(int id, bool on) override;
    void popup(Point screen) override;

  private:
    void fill(QMenu& menu, const std::vector<MenuItem>& items);
    const Screen& screen_;
    std::unique_ptr<QMenu> menu_;
    MenuStyle style_;
};

class QtTray : public TrayIcon {
  public:
    QtTray();
    ~QtTray() override;
    void show() override;
    void hide() override { icon_.hide(); }
    bool shown() const override;
    void setTip(std::string tip) override;
    void setIcon(const Image& icon) override;

  private:
    void report(QSystemTrayIcon::ActivationReason reason);
    QSystemTrayIcon icon_;
    bool told_ = false;
};

}  // namespace ui::qt
