#include "ui/win32/tray.h"

#include <shellapi.h>

#include <string>

#include "ui/win32/gdi.h"
#include "ui/win32/text.h"

namespace ui::win32 {

namespace {
constexpr UINT TrayMessage = WM_USER + 1;  // 1025
constexpr UINT TrayId = 1;
constexpr wchar_t TrayClass[] = L"LumenrigTray";

HICON iconOf(const Image& image) {
    Gdi<HBITMAP> color = makeBitmap(image);
    Gdi<HBITMAP> mask(CreateBitmap(image.width(), image.height(), 1, 1, nullptr));
    ICONINFO info{TRUE, 0, 0, mask.get(), color.get()};
    return CreateIconIndirect(&info);
}

struct MouseEvent {
    TrayEvent event;
    MouseButton button;
};

bool mouseEvent(LPARAM lp, MouseEvent& out) {
    switch (lp) {
        case WM_LBUTTONDOWN:
            out = {TrayEvent::Down, MouseButton::Left};
            return true;
        case WM_RBUTTONDOWN:
            out = {TrayEvent::Down, MouseButton::Right};
            return true;
        case WM_MBUTTONDOWN:
            out = {TrayEvent::Down, MouseButton::Middle};
            return true;
        case WM_LBUTTONUP:
            out = {TrayEvent::Up, MouseButton::Left};
            return true;
        case WM_RBUTTONUP:
            out = {TrayEvent::Up, MouseButton::Right};
            return true;
        case WM_MBUTTONUP:
            out = {TrayEvent::Up, MouseButton::Middle};
            return true;
        case WM_LBUTTONDBLCLK:
            out = {TrayEvent::DoubleClick, MouseButton::Left};
            return true;
        case WM_RBUTTONDBLCLK:
            out = {TrayEvent::DoubleClick, MouseButton::Right};
            return true;
        case WM_MBUTTONDBLCLK:
            out = {TrayEvent::DoubleClick, MouseButton::Middle};
            return true;
        case WM_MOUSEMOVE:
            out = {TrayEvent::Move, MouseButton::Other};
            return true;
        case NIN_BALLOONSHOW:
            out = {TrayEvent::BalloonShown, MouseButton::Other};
            return true;
        case NIN_BALLOONTIMEOUT:
            out = {TrayEvent::BalloonTimeout, MouseButton::Other};
            return true;
        case NIN_BALLOONUSERCLICK:
            out = {TrayEvent::BalloonClick, MouseButton::Other};
            return true;
        default:
            return false;
    }
}
}  // namespace

Win32Tray::Win32Tray(HWND owner) : owner_(owner) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = &Win32Tray::proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = TrayClass;
    RegisterClassW(&wc);
    hwnd_ = CreateWindowExW(0, TrayClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, wc.hInstance, nullptr);
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    icon_ = reinterpret_cast<HICON>(SendMessageW(owner_, WM_GETICON, ICON_SMALL, 0));
}

Win32Tray::~Win32Tray() {
    hide();
    DestroyWindow(hwnd_);
    if (ownIcon_) DestroyIcon(ownIcon_);
}

NOTIFYICONDATAW Win32Tray::data(UINT flags) const {
    NOTIFYICONDATAW nid{};
    nid.cbSize = sizeof nid;
    nid.hWnd = hwnd_;
    nid.uID = TrayId;
    nid.uFlags = flags;
    nid.uCallbackMessage = TrayMessage;
    nid.hIcon = icon_ ? icon_ : LoadIconW(nullptr, IDI_APPLICATION);
    tip_.copy(nid.szTip, std::min<std::size_t>(tip_.size(), 63));
    return nid;
}

void Win32Tray::show() {
    NOTIFYICONDATAW nid = data(NIF_MESSAGE | NIF_ICON | NIF_TIP);
    shown_ = Shell_NotifyIconW(shown_ ? NIM_MODIFY : NIM_ADD, &nid) != FALSE || shown_;
}

void Win32Tray::hide() {
    if (!shown_) return;
    NOTIFYICONDATAW nid = data(0);
    Shell_NotifyIconW(NIM_DELETE, &nid);
    shown_ = false;
}

void Win32Tray::setTip(std::string tip) {
    if (tip.size() > 63) tip.resize(63);
    tip_ = toWide(tip);
    if (shown_) show();
}

void Win32Tray::setIcon(const Image& icon) {
    HICON previous = ownIcon_;
    ownIcon_ = icon.empty() ? nullptr : iconOf(icon);
    icon_ = ownIcon_;
    if (shown_) show();
    if (previous) DestroyIcon(previous);
}

void Win32Tray::report(LPARAM event) {
    MouseEvent e{};
    if (!mouseEvent(event, e) || !onEvent) return;
    onEvent(e.event, e.button);
    if (e.event == TrayEvent::Up) onEvent(TrayEvent::Click, e.button);
}

LRESULT CALLBACK Win32Tray::proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<Win32Tray*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self && msg == TrayMessage) {
        self->report(LOWORD(lp));
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

namespace {
class Win32HotKey : public HotKey {
  public:
    Win32HotKey(std::wstring cls, HWND hwnd, ATOM id, int virtualKey)
        : cls_(std::move(cls)), hwnd_(hwnd), id_(id), virtualKey_(virtualKey) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    // The atom is counted system-wide: every registration takes one reference and gives it back here.
    ~Win32HotKey() override {
        UnregisterHotKey(hwnd_, id_);
        DestroyWindow(hwnd_);
        UnregisterClassW(cls_.c_str(), GetModuleHandleW(nullptr));
        if (id_) GlobalDeleteAtom(id_);
    }
    ATOM id() const { return id_; }
    static LRESULT CALLBACK proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
        auto* self = reinterpret_cast<Win32HotKey*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (self && msg == WM_HOTKEY && HIWORD(lp) == self->virtualKey_ && self->onPressed) {
            self->onPressed();
            return 0;
        }
        return DefWindowProcW(hwnd, msg, wp, lp);
    }

  private:
    std::wstring cls_;
    HWND hwnd_;
    ATOM id_;
    int virtualKey_;
};
}  // namespace

HotKeyRegistration registerGlobalHotKey(int virtualKey, unsigned modifiers) {
    const std::wstring cls =
        L"HotKeyWindows_" + std::to_wstring(virtualKey) + L"_" + std::to_wstring(modifiers);
    WNDCLASSW wc{};
    wc.lpfnWndProc = &Win32HotKey::proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = cls.c_str();
    if (!RegisterClassW(&wc)) return {nullptr, 1};
    HWND hwnd =
        CreateWindowExW(0, cls.c_str(), L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, wc.hInstance, nullptr);
    if (!hwnd) {
        UnregisterClassW(cls.c_str(), wc.hInstance);
        return {nullptr, 2};
    }
    auto key = std::make_unique<Win32HotKey>(cls, hwnd, GlobalAddAtomW(L"KeyID"), virtualKey);
    if (!RegisterHotKey(hwnd, key->id(), modifiers, static_cast<UINT>(virtualKey))) return {nullptr, 3};
    return {std::move(key), 0};
}

}  // namespace ui::win32
