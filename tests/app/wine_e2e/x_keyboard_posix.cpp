#include "x_keyboard_posix.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <chrono>
#include <thread>

namespace xtest {

namespace {

// A window that goes away between the look-up and the focus must not end the test program.
int ignoreErrors(Display*, XErrorEvent*) {
    return 0;
}

bool titled(Display* display, Window window, const std::string& title) {
    XTextProperty name{};
    if (!XGetWMName(display, window, &name) || !name.value) return false;
    const bool same = std::string(reinterpret_cast<const char*>(name.value), name.nitems) == title;
    XFree(name.value);
    return same;
}

bool shown(Display* display, Window window) {
    XWindowAttributes attributes{};
    return XGetWindowAttributes(display, window, &attributes) && attributes.map_state == IsViewable;
}

Window findShown(Display* display, const std::string& title) {
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count)) return 0;
    Window found = 0;
    for (unsigned i = 0; i < count && !found; ++i)
        if (titled(display, children[i], title) && shown(display, children[i])) found = children[i];
    if (children) XFree(children);
    return found;
}

}  // namespace

Keyboard::Keyboard() : display_(XOpenDisplay(nullptr)) {
    XSetErrorHandler(ignoreErrors);
}

Keyboard::~Keyboard() {
    if (display_) XCloseDisplay(display_);
}

bool Keyboard::focusWindow(const std::string& title, int waitMs) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    for (; std::chrono::steady_clock::now() < until;
         std::this_thread::sleep_for(std::chrono::milliseconds(100))) {
        const Window window = findShown(display_, title);
        if (!window) continue;
        XSetInputFocus(display_, window, RevertToPointerRoot, CurrentTime);
        XSync(display_, False);
        Window focused = 0;
        int revert = 0;
        XGetInputFocus(display_, &focused, &revert);
        if (focused == window) return true;
    }
    return false;
}

void Keyboard::press(const std::vector<std::string>& keys) {
    std::vector<unsigned> codes;
    for (const std::string& key : keys)
        codes.push_back(XKeysymToKeycode(display_, XStringToKeysym(key.c_str())));
    for (const unsigned code : codes)
        XTestFakeKeyEvent(display_, code, True, CurrentTime);
    for (auto code = codes.rbegin(); code != codes.rend(); ++code)
        XTestFakeKeyEvent(display_, *code, False, CurrentTime);
    XSync(display_, False);
}

}  // namespace xtest
