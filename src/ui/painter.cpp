#include "ui/painter.h"

namespace ui {

void Painter::frameRect(Rect r, Color c) {
    if (r.width <= 0 || r.height <= 0) return;
    const int x1 = r.right() - 1;
    const int y1 = r.bottom() - 1;
    line({r.left, r.top}, {x1, r.top}, c);
    line({x1, r.top}, {x1, y1}, c);
    line({x1, y1}, {r.left, y1}, c);
    line({r.left, y1}, {r.left, r.top}, c);
}

}  // namespace ui
