#include "runtime/elements/visual_menu.h"

#include "runtime/elements/visual_win.h"
#include "runtime/error.h"
#include "runtime/strings.h"
#include "ui/platform.h"

namespace lr {

namespace {
ui::MenuItem makeItem(int id, std::string line, const std::vector<ui::Image>& bitmaps) {
    std::vector<int> indexes(1);
    parseIndexList(line, indexes, true);
    ui::MenuItem item{.id = id, .text = line, .separator = line == "-"};
    const int bitmap = indexes[0];
    if (bitmap >= 0 && bitmap < static_cast<int>(bitmaps.size()))
        item.bitmap = bitmaps[static_cast<std::size_t>(bitmap)];
    return item;
}
}  // namespace

std::vector<ui::MenuItem> parseMenu(const std::string& text, const std::vector<ui::Image>& bitmaps) {
    std::vector<ui::MenuItem> root;
    std::vector<std::vector<ui::MenuItem>*> open{&root};
    int id = 0;
    for (std::string& line : splitLines(text)) {
        std::vector<ui::MenuItem>& current = *open.back();
        if (line == "(") {
            // A "(" with no item before it has no submenu to open; its items stay at this level.
            open.push_back(current.empty() ? &current : &current.back().children);
        } else if (line == ")") {
            if (open.size() > 1) open.pop_back();
        } else {
            current.push_back(makeItem(id++, std::move(line), bitmaps));
        }
    }
    return root;
}

ui::PopupMenu& ThiPopupMenuEx::menu() {
    if (!menu_) {
        menu_ = ui::platform().toolkit().createPopupMenu();
        menu_->setItems(parseMenu(Menu, Style.Bitmaps));
        menu_->setStyle({Style.Font, Style.ColorBack, Style.ColorText, Style.ColorSelect,
                         Style.ColorSelectText, Style.ColorGutter, Style.ColorSeparator,
                         Style.ColorDisabled});
        menu_->onChoose = [this](int id) { runGuarded([&] { fireInteger(onClick, id); }); };
    }
    return *menu_;
}

void ThiPopupMenuEx::doPopup(TData&) {
    menu().popup(ui::platform().screen().cursor());
}

void ThiPopupMenuEx::doCheck(TData& data) {
    const std::int32_t state = toInteger(data);
    const std::int32_t item = data.next ? toInteger(*data.next) : 0;
    menu().setChecked(item, state != 0);
}

}  // namespace lr
