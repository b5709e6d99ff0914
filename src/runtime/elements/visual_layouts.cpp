#include "runtime/elements/visual_layouts.h"

#include <algorithm>

namespace lr {

ui::Size TWinLayout::layoutSize() {
    const ui::Rect r = win_.control().bounds();
    return {r.width, r.height};
}

void TWinLayout::place(ui::Point at) {
    const ui::Rect r = win_.control().bounds();
    win_.control().setBounds({at.x, at.y, r.width, r.height});
}

ui::Size THIBoxLayout::layoutSize() {
    ui::Size total;
    for (std::size_t i = 0; i < items_.size(); ++i) {
        const ui::Size s = items_[i]->layoutSize();
        const int gap = i ? Spacing : 0;
        if (vertical_) {
            total = {std::max(total.width, s.width), total.height + gap + s.height};
        } else {
            total = {total.width + gap + s.width, std::max(total.height, s.height)};
        }
    }
    return total;
}

void THIBoxLayout::place(ui::Point at) {
    for (LayoutItem* item : items_) {
        const ui::Size s = item->layoutSize();
        item->place(at);
        (vertical_ ? at.y : at.x) += (vertical_ ? s.height : s.width) + Spacing;
    }
}

}  // namespace lr
