// The Win32 backend as a user meets it under Wine: mouse and keys posted to the controls' own windows
// or injected with SendInput, boxes and menus answered from inside their loops, the screen read back
// through GDI.
#include <windows.h>
// after windows.h
#include <commctrl.h>

#include <future>
#include <thread>
#include <vector>

#include "backend.h"
#include "ui/win32/text.h"
#include "ui/win32/win32_platform.h"
#include "win32_capture.h"

namespace backend {

namespace {
HWND hwndOf(const ui::Control& c) {
    return reinterpret_cast<HWND>(c.handle());
}

LPARAM clientCentre(HWND hwnd) {
    RECT r;
    GetClientRect(hwnd, &r);
    return MAKELPARAM(r.right / 2, r.bottom / 2);
}

POINT screenCentre(HWND hwnd) {
    RECT r;
    GetClientRect(hwnd, &r);
    POINT p{r.right / 2, r.bottom / 2};
    ClientToScreen(hwnd, &p);
    return p;
}

struct ButtonMessages {
    UINT down;
    WPARAM held;
};

ButtonMessages buttonMessages(ui::MouseButton b) {
    switch (b) {
        case ui::MouseButton::Right:
            return {WM_RBUTTONDOWN, MK_RBUTTON};
        case ui::MouseButton::Middle:
            return {WM_MBUTTONDOWN, MK_MBUTTON};
        default:
            return {WM_LBUTTONDOWN, MK_LBUTTON};
    }
}

INPUT mouseInput(DWORD flags) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flags;
    return in;
}

INPUT keyInput(WORD virtualKey, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = virtualKey;
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return in;
}

bool inject(std::vector<INPUT> inputs) {
    const auto n = static_cast<UINT>(inputs.size());
    return SendInput(n, inputs.data(), sizeof(INPUT)) == n;
}

// The keys a track bar steps by, as the user presses them.
WORD stepKey(ui::ScrollCode code) {
    switch (code) {
        case ui::ScrollCode::LineUp:
            return VK_UP;
        case ui::ScrollCode::LineDown:
            return VK_DOWN;
        case ui::ScrollCode::PageUp:
            return VK_PRIOR;
        case ui::ScrollCode::PageDown:
            return VK_NEXT;
        case ui::ScrollCode::Top:
            return VK_HOME;
        case ui::ScrollCode::Bottom:
            return VK_END;
        default:
            return 0;
    }
}

WORD scrollBarCode(ui::ScrollCode code) {
    switch (code) {
        case ui::ScrollCode::LineUp:
            return SB_LINEUP;
        case ui::ScrollCode::LineDown:
            return SB_LINEDOWN;
        case ui::ScrollCode::PageUp:
            return SB_PAGEUP;
        case ui::ScrollCode::PageDown:
            return SB_PAGEDOWN;
        case ui::ScrollCode::ThumbPosition:
            return SB_THUMBPOSITION;
        case ui::ScrollCode::ThumbTrack:
            return SB_THUMBTRACK;
        case ui::ScrollCode::Top:
            return SB_TOP;
        case ui::ScrollCode::Bottom:
            return SB_BOTTOM;
        default:
            return SB_ENDSCROLL;
    }
}

// The window of this thread with that class: boxes and menus of other test programs in the
// same Wine prefix are not ours to answer.
HWND threadWindow(const wchar_t* cls) {
    struct Search {
        const wchar_t* cls;
        HWND found = nullptr;
    } search{cls};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hwnd, LPARAM lp) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(lp);
            wchar_t name[64] = {};
            GetClassNameW(hwnd, name, 64);
            if (lstrcmpW(name, s.cls) != 0) return TRUE;
            s.found = hwnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The button the box draws as its default, the one Enter presses.
HWND defaultButton(HWND box) {
    HWND found = nullptr;
    EnumChildWindows(
        box,
        [](HWND child, LPARAM lp) -> BOOL {
            if ((GetWindowLongPtrW(child, GWL_STYLE) & BS_TYPEMASK) != BS_DEFPUSHBUTTON) return TRUE;
            *reinterpret_cast<HWND*>(lp) = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// A thread of its own with the keys another program holds, until the backend goes.
class KeyHolder {
  public:
    ~KeyHolder() {
        for (Held& h : held_) {
            PostThreadMessageW(h.id, WM_QUIT, 0, 0);
            h.thread.join();
        }
    }
    bool take(int virtualKey, unsigned modifiers) {
        for (const Held& h : held_)
            if (h.virtualKey == virtualKey && h.modifiers == modifiers) return true;
        std::promise<std::pair<DWORD, bool>> ready;
        std::future<std::pair<DWORD, bool>> result = ready.get_future();
        std::thread thread([&ready, virtualKey, modifiers] {
            MSG msg;
            PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);  // the queue exists before anyone posts
            const bool taken = RegisterHotKey(nullptr, 1, modifiers, static_cast<UINT>(virtualKey)) != FALSE;
            ready.set_value({GetCurrentThreadId(), taken});
            while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
            }
        });
        const auto [id, taken] = result.get();
        held_.push_back({std::move(thread), id, virtualKey, modifiers});
        return taken;
    }

  private:
    struct Held {
        std::thread thread;
        DWORD id;
        int virtualKey;
        unsigned modifiers;
    };
    std::vector<Held> held_;
};

class Win32 : public RealTimeBackend {
  public:
    ui::Platform& platform() override { return *platform_; }

    void click(ui::Control& c, ui::MouseButton button) override {
        const HWND hwnd = hwndOf(c);
        const ButtonMessages m = buttonMessages(button);
        const LPARAM at = clientCentre(hwnd);
        PostMessageW(hwnd, WM_MOUSEMOVE, 0, at);
        PostMessageW(hwnd, m.down, m.held, at);
        PostMessageW(hwnd, m.down + 1, 0, at);
        loop().pump();
    }
    void type(ui::Control& c, const std::string& text) override {
        const HWND hwnd = hwndOf(c);
        SetFocus(hwnd);
        for (const wchar_t ch : ui::win32::toWide(text))
            PostMessageW(hwnd, WM_CHAR, ch, 1);
        loop().pump();
    }
    // A track bar moves itself on its keys; a scroll bar only tells its owner, who moves it.
    void step(ui::Control& c, ui::ScrollCode code) override {
        const HWND hwnd = hwndOf(c);
        if (const WORD key = stepKey(code); c.kind() == ui::ControlKind::TrackBar && key) {
            PostMessageW(hwnd, WM_KEYDOWN, key, 1);
            PostMessageW(hwnd, WM_KEYUP, key, 0xC0000001);
        } else {
            const bool own = c.kind() == ui::ControlKind::ScrollBox;
            const HWND to = own ? hwnd : GetParent(hwnd);
            const LONG_PTR vertical = c.kind() == ui::ControlKind::TrackBar ? TBS_VERT : SBS_VERT;
            const UINT msg = own || (GetWindowLongPtrW(hwnd, GWL_STYLE) & vertical) ? WM_VSCROLL : WM_HSCROLL;
            const LPARAM from = own ? 0 : reinterpret_cast<LPARAM>(hwnd);
            PostMessageW(to, msg, scrollBarCode(code), from);
            PostMessageW(to, msg, SB_ENDSCROLL, from);
        }
        loop().pump();
    }
    // The list drops down and the item is clicked in it.
    void pick(ui::Control& c, int index) override {
        const HWND hwnd = hwndOf(c);
        SendMessageW(hwnd, CB_SHOWDROPDOWN, TRUE, 0);
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        GetComboBoxInfo(hwnd, &info);
        RECT item{};
        SendMessageW(info.hwndList, LB_GETITEMRECT, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&item));
        const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
        PostMessageW(info.hwndList, WM_MOUSEMOVE, 0, at);
        PostMessageW(info.hwndList, WM_LBUTTONDOWN, MK_LBUTTON, at);
        PostMessageW(info.hwndList, WM_LBUTTONUP, 0, at);
        loop().pump();
    }
    // Real mouse input: the system's own window move reads the moves that follow the press.
    void drag(ui::Control& c, int dx, int dy) override {
        const POINT from = screenCentre(hwndOf(c));
        SetCursorPos(from.x, from.y);
        loop().pump();
        inject({mouseInput(MOUSEEVENTF_LEFTDOWN)});
        SetCursorPos(from.x + dx, from.y + dy);
        inject({mouseInput(MOUSEEVENTF_LEFTUP)});
        runFor(50);
    }
    ui::Image capture(ui::Control& c) override {
        loop().pump();
        return ::capture(hwndOf(c));
    }
    bool chooseMenuItem(const std::string& text) override {
        const HWND popup = threadWindow(L"#32768");
        const auto menu = reinterpret_cast<HMENU>(SendMessageW(popup, MN_GETHMENU, 0, 0));
        const std::wstring wanted = ui::win32::toWide(text);
        for (int i = 0; menu && i < GetMenuItemCount(menu); ++i) {
            wchar_t caption[256] = {};
            GetMenuStringW(menu, static_cast<UINT>(i), caption, 256, MF_BYPOSITION);
            RECT r{};
            if (wanted != caption || !GetMenuItemRect(popup, menu, static_cast<UINT>(i), &r)) continue;
            SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
            return inject({mouseInput(MOUSEEVENTF_LEFTDOWN), mouseInput(MOUSEEVENTF_LEFTUP)});
        }
        return false;
    }
    bool answerModal() override {
        const HWND button = defaultButton(threadWindow(L"#32770"));
        return button && PostMessageW(button, BM_CLICK, 0, 0);
    }
    bool takeHotKeyElsewhere(int virtualKey, unsigned modifiers) override {
        return holder_.take(virtualKey, modifiers);
    }
    bool pressHotKey(int virtualKey, unsigned modifiers, bool numLock) override {
        const std::pair<unsigned, WORD> modifierKeys[] = {
            {MOD_CONTROL, VK_CONTROL}, {MOD_SHIFT, VK_SHIFT}, {MOD_ALT, VK_MENU}, {MOD_WIN, VK_LWIN}};
        std::vector<INPUT> down, up;
        for (const auto& [mod, key] : modifierKeys)
            if (modifiers & mod) {
                down.push_back(keyInput(key, false));
                up.insert(up.begin(), keyInput(key, true));
            }
        std::vector<INPUT> keys;
        const auto toggleNumLock = [&] {
            keys.push_back(keyInput(VK_NUMLOCK, false));
            keys.push_back(keyInput(VK_NUMLOCK, true));
        };
        if (numLock) toggleNumLock();
        keys.insert(keys.end(), down.begin(), down.end());
        keys.push_back(keyInput(static_cast<WORD>(virtualKey), false));
        keys.push_back(keyInput(static_cast<WORD>(virtualKey), true));
        keys.insert(keys.end(), up.begin(), up.end());
        if (numLock) toggleNumLock();
        return inject(std::move(keys));
    }
    // Wine takes the modifier keys from the X server again when a window gains the focus: that news
    // comes first, or it would let go of a Shift held here.
    bool holdKey(int virtualKey, bool down) override {
        runFor(50);
        const bool sent = inject({keyInput(static_cast<WORD>(virtualKey), !down)});
        loop().pump();  // the key state follows the messages read
        return sent;
    }
    // What the screen shows there against what the window itself draws there.
    std::optional<bool> seeThrough(ui::Window& w, ui::Point at) override {
        const HWND hwnd = hwndOf(w);
        const ui::Image own = ::capture(hwnd);
        POINT p{at.x, at.y};
        ClientToScreen(hwnd, &p);
        HDC screen = GetDC(nullptr);
        const COLORREF seen = GetPixel(screen, p.x, p.y);
        ReleaseDC(nullptr, screen);
        const ui::Color drawn = own.pixel(at.x, at.y);
        return ui::rgb(GetRValue(seen), GetGValue(seen), GetBValue(seen)) != drawn;
    }
    std::string name() const override { return "win32"; }

  private:
    std::unique_ptr<ui::win32::Win32Platform> platform_ = ui::win32::Win32Platform::create();
    KeyHolder holder_;
};

std::unique_ptr<Backend>& theWin32Backend() {
    static std::unique_ptr<Backend> made = std::make_unique<Win32>();
    return made;
}
}  // namespace

// One platform for the whole test program, on its main thread.
Backend* win32Backend() {
    return theWin32Backend().get();
}

void releaseWin32Backend() {
    theWin32Backend().reset();
}

}  // namespace backend
