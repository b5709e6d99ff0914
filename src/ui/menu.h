#pragma once
// Owner-drawn popup menus with submenus, separators, check marks and item bitmaps.
#include <functional>
#include <string>
#include <vector>

#include "ui/font.h"
#include "ui/geometry.h"
#include "ui/image.h"

namespace ui {

struct MenuItem {
    int id = 0;  // reported when the item is chosen
    std::string text{};
    bool separator = false;
    bool checked = false;
    bool enabled = true;
    Image bitmap{};
    std::vector<MenuItem> children{};  // a submenu when not empty
};

struct MenuStyle {
    Font font;
    Color background = rgb(255, 255, 255);
    Color text = rgb(0, 0, 0);
    Color highlight = rgb(49, 106, 197);
    Color highlightText = rgb(255, 255, 255);
    Color gutter = rgb(230, 230, 230);  // the bar behind the item bitmaps
    Color separator = rgb(160, 160, 160);
    Color disabledText = rgb(128, 128, 128);
};

class PopupMenu {
  public:
    virtual ~PopupMenu() = default;
    virtual void setItems(std::vector<MenuItem> items) = 0;
    virtual void setStyle(const MenuStyle& style) = 0;
    virtual void setChecked(int id, bool on) = 0;
    // Shows the menu at a screen position; a chosen item reaches onChoose, later or at once.
    virtual void popup(Point screen) = 0;
    std::function<void(int id)> onChoose;
};

}  // namespace ui
