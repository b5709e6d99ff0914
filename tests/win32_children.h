#pragma once
// The native child windows of a top-level window as the user meets them: class, text and place.
#include <windows.h>

#include <string>
#include <vector>

#include "ui/win32/text.h"

struct Win32Child {
    HWND hwnd;
    std::string kind;
    std::string text;
    RECT place;  // in the top window's client area
};

inline std::vector<Win32Child> childrenOf(HWND top) {
    std::vector<Win32Child> found;
    struct Walk {
        HWND top;
        std::vector<Win32Child>* found;
    } walk{top, &found};
    EnumChildWindows(
        top,
        [](HWND hwnd, LPARAM param) -> BOOL {
            auto& w = *reinterpret_cast<Walk*>(param);
            wchar_t kind[64] = {};
            GetClassNameW(hwnd, kind, 64);
            wchar_t text[256] = {};
            GetWindowTextW(hwnd, text, 256);
            RECT r;
            GetWindowRect(hwnd, &r);
            MapWindowPoints(nullptr, w.top, reinterpret_cast<POINT*>(&r), 2);
            w.found->push_back({hwnd, ui::win32::fromWide(kind), ui::win32::fromWide(text), r});
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&walk));
    return found;
}

inline const Win32Child* withText(const std::vector<Win32Child>& children, const std::string& text) {
    for (const Win32Child& c : children)
        if (c.text == text) return &c;
    return nullptr;
}
