#include "ui/screen.h"

namespace ui {

Color resolveColor(const Screen& screen, Color c) {
    return isSystemColor(c) ? screen.systemColor(systemColorIndex(c)) : c & 0xFFFFFFu;
}

}  // namespace ui
