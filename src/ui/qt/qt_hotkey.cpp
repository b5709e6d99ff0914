#include "ui/qt/qt_hotkey.h"

#include "ui/qt/qt_user.h"

#include <xcb/xcb.h>
#include <QCoreApplication>
#include <QGuiApplication>
#include <iostream>
#include <vector>
// X11 after Qt: its macros (None, KeyPress, Bool) would break Qt's headers.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace ui::qt {

namespace {
bool g_grabFailed = false;

int recordError(Display*, XErrorEvent* e) {
    if (e->error_code == BadAccess) g_grabFailed = true;
    return 0;
}

// NumLock (Mod2) and CapsLock (Lock) must not stop the key from working.
constexpr unsigned LockVariants[] = {0, LockMask, Mod2Mask, LockMask | Mod2Mask};
constexpr unsigned UsedModifiers = ControlMask | ShiftMask | Mod1Mask | Mod4Mask;

unsigned xModifiers(unsigned modifiers) {
    return ((modifiers & hotkeymod::Alt) ? Mod1Mask : 0u) |
           ((modifiers & hotkeymod::Ctrl) ? ControlMask : 0u) |
           ((modifiers & hotkeymod::Shift) ? ShiftMask : 0u) | ((modifiers & hotkeymod::Win) ? Mod4Mask : 0u);
}

KeySym keySymOf(int vk) {
    if (vk >= 0x70 && vk <= 0x87) return XK_F1 + static_cast<KeySym>(vk - 0x70);
    if (vk >= '0' && vk <= '9') return XK_0 + static_cast<KeySym>(vk - '0');
    if (vk >= 'A' && vk <= 'Z') return XK_a + static_cast<KeySym>(vk - 'A');
    return NoSymbol;
}

class GrabbedKey : public HotKey {
  public:
    GrabbedKey(HotKeyGrabber& grabber, HotKeyGrabber::Key key) : grabber_(grabber), key_(key) {}
    ~GrabbedKey() override { grabber_.release(key_); }

  private:
    HotKeyGrabber& grabber_;
    HotKeyGrabber::Key key_;
};

void setGrabs(Display* display, HotKeyGrabber::Key key, bool on) {
    const Window root = DefaultRootWindow(display);
    for (unsigned lock : LockVariants) {
        if (on) {
            XGrabKey(display, static_cast<int>(key.first), key.second | lock, root, False, GrabModeAsync,
                     GrabModeAsync);
        } else {
            XUngrabKey(display, static_cast<int>(key.first), key.second | lock, root);
        }
    }
}
}  // namespace

HotKeyGrabber::HotKeyGrabber() {
    if (auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr)
        display_ = x11->display();
    if (display_) QCoreApplication::instance()->installNativeEventFilter(this);
}

HotKeyGrabber::~HotKeyGrabber() {
    if (display_ && QCoreApplication::instance()) QCoreApplication::instance()->removeNativeEventFilter(this);
}

HotKeyRegistration HotKeyGrabber::grab(int virtualKey, unsigned modifiers) {
    auto* display = static_cast<Display*>(display_);
    if (!display) return {nullptr, 2};
    const KeySym sym = keySymOf(virtualKey);
    const unsigned code = sym == NoSymbol ? 0u : XKeysymToKeycode(display, sym);
    const Key key{code, xModifiers(modifiers)};
    if (!code || keys_.count(key)) return {nullptr, 3};
    XSync(display, False);
    g_grabFailed = false;
    const auto previous = XSetErrorHandler(recordError);
    setGrabs(display, key, true);
    XSync(display, False);
    XSetErrorHandler(previous);
    if (g_grabFailed) {
        setGrabs(display, key, false);  // the variants that did succeed
        XSync(display, False);
        return {nullptr, 3};
    }
    auto hotKey = std::make_unique<GrabbedKey>(*this, key);
    keys_[key] = hotKey.get();
    return {std::move(hotKey), 0};
}

void HotKeyGrabber::release(Key key) {
    if (!keys_.erase(key) || !display_) return;
    auto* display = static_cast<Display*>(display_);
    setGrabs(display, key, false);
    XFlush(display);
}

bool HotKeyGrabber::nativeEventFilter(const QByteArray& type, void* message, qintptr*) {
    if (type != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7F) != XCB_KEY_PRESS) return false;
    const auto* press = static_cast<const xcb_key_press_event_t*>(message);
    const auto it = keys_.find({press->detail, press->state & UsedModifiers});
    if (it == keys_.end()) return false;
    if (it->second->onPressed) it->second->onPressed();
    return true;
}

namespace {
void fakeKey(Display* display, KeySym sym, bool down) {
    XTestFakeKeyEvent(display, XKeysymToKeycode(display, sym), down ? True : False, CurrentTime);
}
}  // namespace

bool pressKeyOnX(int virtualKey, unsigned modifiers, bool numLock) {
    static Display* keyboard = XOpenDisplay(nullptr);
    int event = 0, error = 0, major = 0, minor = 0;
    const KeySym sym = keySymOf(virtualKey);
    if (!keyboard || sym == NoSymbol || !XTestQueryExtension(keyboard, &event, &error, &major, &minor))
        return false;
    std::vector<KeySym> held;
    if (modifiers & hotkeymod::Ctrl) held.push_back(XK_Control_L);
    if (modifiers & hotkeymod::Shift) held.push_back(XK_Shift_L);
    if (modifiers & hotkeymod::Alt) held.push_back(XK_Alt_L);
    if (modifiers & hotkeymod::Win) held.push_back(XK_Super_L);
    const auto toggleNumLock = [&] {
        fakeKey(keyboard, XK_Num_Lock, true);
        fakeKey(keyboard, XK_Num_Lock, false);
    };
    if (numLock) toggleNumLock();
    for (KeySym m : held)
        fakeKey(keyboard, m, true);
    fakeKey(keyboard, sym, true);
    fakeKey(keyboard, sym, false);
    for (auto m = held.rbegin(); m != held.rend(); ++m)
        fakeKey(keyboard, *m, false);
    if (numLock) toggleNumLock();
    XSync(keyboard, False);
    return true;
}

bool grabKeyElsewhere(int virtualKey, unsigned modifiers) {
    // A connection of its own, kept open as another program would keep its grab.
    static Display* other = XOpenDisplay(nullptr);
    const KeySym sym = keySymOf(virtualKey);
    if (!other || sym == NoSymbol) return false;
    XGrabKey(other, XKeysymToKeycode(other, sym), xModifiers(modifiers), DefaultRootWindow(other), False,
             GrabModeAsync, GrabModeAsync);
    XSync(other, False);
    return true;
}

}  // namespace ui::qt
