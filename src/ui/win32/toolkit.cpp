#include "ui/win32/toolkit.h"

#include <commctrl.h>

#include "ui/win32/menu.h"
#include "ui/win32/text.h"
#include "ui/win32/tray.h"

namespace ui::win32 {

LRESULT CALLBACK hostProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT result = 0;
    if (msg == WM_MEASUREITEM || msg == WM_DRAWITEM) {
        if (Win32Menu::ownerDraw(msg, lp)) return TRUE;
    }
    if (Win32Control* c = Win32Control::from(hwnd); c && c->onMessage(msg, wp, lp, result)) return result;
    return DefWindowProcW(hwnd, msg, wp, lp);
}

Win32Toolkit::Win32Toolkit() {
    INITCOMMONCONTROLSEX icc{sizeof icc,
                             ICC_STANDARD_CLASSES | ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&icc);
    WNDCLASSW wc{};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = hostProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = HostClass;
    RegisterClassW(&wc);
    dpi_ = static_cast<int>(GetDpiForSystem());
    if (dpi_ <= 0) dpi_ = 96;
    hidden_ = CreateWindowExW(WS_EX_TOOLWINDOW, HostClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                              wc.hInstance, nullptr);
    tooltip_ =
        CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, wc.hInstance, nullptr);
}

Win32Toolkit::~Win32Toolkit() {
    DestroyWindow(tooltip_);
    DestroyWindow(hidden_);
}

std::unique_ptr<Window> Win32Toolkit::createWindow(const WindowSpec& params) {
    return std::make_unique<Win32Control>(*this, params);
}

std::unique_ptr<Control> Win32Toolkit::createControl(Control* parent, const ControlSpec& params) {
    HWND parentHwnd = parent ? static_cast<Win32Control*>(parent)->hwnd() : nullptr;
    return std::make_unique<Win32Control>(*this, parentHwnd, params);
}

std::unique_ptr<PopupMenu> Win32Toolkit::createPopupMenu() {
    return std::make_unique<Win32Menu>(hidden_, dpi_);
}

std::unique_ptr<TrayIcon> Win32Toolkit::createTrayIcon(Window& owner) {
    return std::make_unique<Win32Tray>(static_cast<Win32Control&>(owner).hwnd());
}

HotKeyRegistration Win32Toolkit::registerHotKey(int virtualKey, unsigned modifiers) {
    return registerGlobalHotKey(virtualKey, modifiers);
}

// A handle may be stale and name a window of another program now (another instance of ours has the
// same window property): only our own windows are looked at.
Window* Win32Toolkit::windowFromHandle(std::intptr_t handle) const {
    HWND hwnd = reinterpret_cast<HWND>(handle);
    DWORD process = 0;
    if (!IsWindow(hwnd) || !GetWindowThreadProcessId(hwnd, &process) || process != GetCurrentProcessId())
        return nullptr;
    Win32Control* c = Win32Control::from(hwnd);
    return c && c->kind() == ControlKind::Window ? c : nullptr;
}

void Win32Toolkit::setHintStyle(const HintStyle& style) {
    SendMessageW(tooltip_, TTM_SETTIPBKCOLOR, colorRef(style.background), 0);
    SendMessageW(tooltip_, TTM_SETTIPTEXTCOLOR, colorRef(style.text), 0);
    SendMessageW(tooltip_, TTM_SETDELAYTIME, TTDT_INITIAL, style.delayMs);
}

void Win32Toolkit::addHint(HWND control, const std::string& text) {
    std::wstring wide = toWide(text);
    TTTOOLINFOW info{};
    info.cbSize = sizeof info;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = GetParent(control);
    info.uId = reinterpret_cast<UINT_PTR>(control);
    info.lpszText = wide.data();
    SendMessageW(tooltip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    if (!text.empty()) SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

Size Win32Toolkit::textExtent(const Font& font, std::string_view text) const {
    HDC dc = GetDC(nullptr);
    Gdi<HFONT> hfont = makeFont(font, dpi_);
    const HGDIOBJ old = SelectObject(dc, hfont.get());
    const std::wstring wide = toWide(text);
    SIZE size{};
    GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    const Scale s{dpi_};
    return {s.logical(size.cx), s.logical(size.cy)};
}

}  // namespace ui::win32
