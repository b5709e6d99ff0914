#include "runtime/elements/move_window.h"

#include "ui/platform.h"

namespace lr {

void THIMoveWindow::doMove(TData& data) {
    const std::int32_t handle = readInteger(data, Handle, 0);
    if (ui::Window* window = ui::platform().toolkit().windowFromHandle(handle)) window->startMove();
}

}  // namespace lr
