#pragma once
// Owner-drawn popup menus shown with TrackPopupMenu.
#include <windows.h>

#include <list>

#include "ui/menu.h"

namespace ui::win32 {

class Win32Menu : public PopupMenu {
  public:
    Win32Menu(HWND owner, int dpi) : owner_(owner), dpi_(dpi) {}
    ~Win32Menu() override;
    void setItems(std::vector<MenuItem> items) override;
    void setStyle(const MenuStyle& style) override { style_ = style; }
    void setChecked(int id, bool on) override;
    void popup(Point screen) override;

    // WM_MEASUREITEM and WM_DRAWITEM of menu items; false when not a menu's.
    static bool ownerDraw(UINT msg, LPARAM lp);

  private:
    struct Entry {
        const Win32Menu* menu;
        MenuItem item;  // without children
    };
    HMENU build(const std::vector<MenuItem>& items);
    void destroy();
    void measure(MEASUREITEMSTRUCT& m, const Entry& e) const;
    void draw(const DRAWITEMSTRUCT& d, const Entry& e) const;

    HWND owner_;
    int dpi_;
    MenuStyle style_;
    HMENU menu_ = nullptr;
    std::list<Entry> entries_;  // stable addresses for the item data
};

}  // namespace ui::win32
