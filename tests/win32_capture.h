#pragma once
// A window as it is on screen under the Win32 backend, copied from its own device context.
#include <windows.h>

#include "ui/image.h"

inline ui::Image capture(HWND hwnd) {
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT r;
    GetWindowRect(hwnd, &r);
    const int w = r.right - r.left, h = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC window = GetWindowDC(hwnd);
    HDC mem = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
    const HGDIOBJ old = SelectObject(mem, bitmap);
    BitBlt(mem, 0, 0, w, h, window, 0, 0, SRCCOPY);
    SelectObject(mem, old);
    ReleaseDC(hwnd, window);
    ui::Image shot(w, h);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    GetDIBits(mem, bitmap, 0, static_cast<UINT>(h), shot.pixels().data(), &info, DIB_RGB_COLORS);
    for (ui::Color& c : shot.pixels())
        c = ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
    DeleteObject(bitmap);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return shot;
}
