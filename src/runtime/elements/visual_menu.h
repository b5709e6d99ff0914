#pragma once
// The owner-drawn popup menu element. Its text has one item per line: a line followed by "(" opens a
// submenu that ends at ")", "-" is a separator, and a leading "<i,...>" names the item's bitmap.
// Items are numbered over all lines from 0, leaving out the "(" and ")" lines.
#include <memory>
#include <string>
#include <vector>

#include "runtime/element.h"
#include "runtime/point.h"
#include "ui/menu.h"

namespace lr {

// The look of the menu: font, seven colours and the item bitmaps.
struct TXPMenu {
    ui::Font Font;
    ui::Color ColorBack = ui::rgb(255, 255, 255);
    ui::Color ColorText = ui::rgb(0, 0, 0);
    ui::Color ColorSelect = ui::rgb(49, 106, 197);
    ui::Color ColorSelectText = ui::rgb(255, 255, 255);
    ui::Color ColorGutter = ui::rgb(230, 230, 230);
    ui::Color ColorSeparator = ui::rgb(160, 160, 160);
    ui::Color ColorDisabled = ui::rgb(128, 128, 128);
    std::vector<ui::Image> Bitmaps;
};

std::vector<ui::MenuItem> parseMenu(const std::string& text, const std::vector<ui::Image>& bitmaps);

class ThiPopupMenuEx : public Element {
  public:
    std::string Menu;
    TXPMenu Style;
    Point onClick;  // the item number
    void doPopup(TData& data);
    void doCheck(TData& data);  // [state, item]: sets that item's check mark

  private:
    ui::PopupMenu& menu();
    std::unique_ptr<ui::PopupMenu> menu_;
};

}  // namespace lr
