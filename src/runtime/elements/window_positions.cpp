#include "runtime/elements/window_positions.h"

namespace lr {

namespace {
WindowPositions*& current() {
    static WindowPositions* store = nullptr;
    return store;
}
}  // namespace

WindowPositions* windowPositions() {
    return current();
}

void setWindowPositions(WindowPositions* store) {
    current() = store;
}

}  // namespace lr
