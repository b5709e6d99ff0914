// The mouse on the X server itself (XTest), for tests: a window moved by our own mouse handling
// follows the real pointer, which synthetic Qt events do not move.
#include "ui/qt/qt_user.h"

#include <QCoreApplication>
// X11 after Qt: its macros (None, KeyPress, Bool) would break Qt's headers.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace ui::qt {

namespace {
// Lets the events the server sends for what we just did reach the widgets.
void deliver(Display* x) {
    XSync(x, False);
    for (int i = 0; i < 4; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}
}  // namespace

bool dragOnX(Point from, int dx, int dy) {
    static Display* pointer = XOpenDisplay(nullptr);
    int event = 0, error = 0, major = 0, minor = 0;
    if (!pointer || !XTestQueryExtension(pointer, &event, &error, &major, &minor)) return false;
    XTestFakeMotionEvent(pointer, -1, from.x, from.y, CurrentTime);
    deliver(pointer);
    XTestFakeButtonEvent(pointer, 1, True, CurrentTime);
    deliver(pointer);
    XTestFakeMotionEvent(pointer, -1, from.x + dx / 2, from.y + dy / 2, CurrentTime);
    deliver(pointer);
    XTestFakeMotionEvent(pointer, -1, from.x + dx, from.y + dy, CurrentTime);
    deliver(pointer);
    XTestFakeButtonEvent(pointer, 1, False, CurrentTime);
    deliver(pointer);
    return true;
}

}  // namespace ui::qt
