// The three shapes as real layered windows under Wine: lit over a coloured desktop, see-through where
// white (or the rectangle's key), and a mouse drag that lands on multiples of 10.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>

#include "three_shapes.h"
#include "ui/png.h"
#include "ui/win32/win32_platform.h"
#include "win32_capture.h"

namespace {

using three_shapes::kArea;

void pump(ui::Platform& platform, int rounds = 30) {
    for (int i = 0; i < rounds; ++i) {
        platform.loop().pump();
        Sleep(10);
    }
}

// The screen as composed, layered windows included.
ui::Image captureScreen(ui::Rect r) {
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, r.width, r.height);
    const HGDIOBJ old = SelectObject(mem, bitmap);
    BitBlt(mem, 0, 0, r.width, r.height, screen, r.left, r.top, SRCCOPY | CAPTUREBLT);
    SelectObject(mem, old);
    ui::Image shot(r.width, r.height);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), r.width, -r.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    GetDIBits(mem, bitmap, 0, static_cast<UINT>(r.height), shot.pixels().data(), &info, DIB_RGB_COLORS);
    for (ui::Color& c : shot.pixels())
        c = ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
    DeleteObject(bitmap);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return shot;
}

HWND windowOf(const char* caption) {
    return FindWindowW(nullptr, std::wstring(caption, caption + std::strlen(caption)).c_str());
}

void place(HWND shape, int left, int top) {
    RECT r;
    GetWindowRect(shape, &r);
    SetWindowPos(shape, HWND_TOPMOST, left, top, r.right - r.left, r.bottom - r.top, SWP_NOACTIVATE);
}

// Presses the left button on the shape, moves the mouse by (dx, dy) and lets go, as a user does.
void drag(ui::Platform& platform, HWND shape, int dx, int dy) {
    RECT r;
    GetWindowRect(shape, &r);
    const int x = r.left + 40, y = r.top + 40;
    SetCursorPos(x, y);
    pump(platform, 3);
    const int screenW = GetSystemMetrics(SM_CXSCREEN), screenH = GetSystemMetrics(SM_CYSCREEN);
    auto at = [&](int px, int py, DWORD flags) {
        INPUT in{};
        in.type = INPUT_MOUSE;
        in.mi.dx = px * 65535 / (screenW - 1);
        in.mi.dy = py * 65535 / (screenH - 1);
        in.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        return in;
    };
    INPUT inputs[] = {at(x, y, MOUSEEVENTF_LEFTDOWN), at(x + dx / 2, y + dy / 2, 0), at(x + dx, y + dy, 0),
                      at(x + dx, y + dy, MOUSEEVENTF_LEFTUP)};
    SendInput(4, inputs, sizeof(INPUT));
    pump(platform);
}

}  // namespace

TEST(ShapesWin32, ThreeShapesLitOverAColouredDesktop) {
    settings::MemorySystem sys;
    const settings::ScopedSystem sysScope(sys);
    three_shapes::putScheme(sys);
    const auto platform = ui::win32::Win32Platform::create();
    {
        const ui::ScopedPlatform scope(*platform);
        lr::resetLifecycle();
        three_shapes::Scene scene(*platform);
        HWND circle = windowOf("Form0"), rectangle = windowOf("Form1"), ladder = windowOf("Form2");
        ASSERT_TRUE(circle && rectangle && ladder);
        EXPECT_NE(GetWindowLongPtrW(circle, GWL_EXSTYLE) & WS_EX_LAYERED, 0);
        place(circle, 80, 80);
        place(rectangle, 200, 80);
        place(ladder, 340, 80);
        pump(*platform);

        const ui::Image shot = captureScreen(kArea);
        ASSERT_TRUE(ui::savePng(shot, "visual_shapes_win32.png"));
        three_shapes::expectLit(shot);
        auto at = [&](int x, int y) { return shot.pixel(x - kArea.left, y - kArea.top); };
        POINT client{0, 0};
        ClientToScreen(rectangle, &client);
        EXPECT_EQ(at(client.x + 15, client.y + 10), ui::rgb(0, 0, 0))
            << "the red label lies over the gradient";

        const ui::Image pageShot = capture(reinterpret_cast<HWND>(scene.window->handle()));
        EXPECT_TRUE(ui::savePng(pageShot, "visual_page_win32.png"));

        RECT before;
        GetWindowRect(ladder, &before);
        drag(*platform, ladder, 50, 50);
        RECT after;
        GetWindowRect(ladder, &after);
        EXPECT_EQ(after.left, before.left) << "the locked ladder stays";
        EXPECT_EQ(after.top, before.top);

        drag(*platform, circle, 23, 36);
        RECT r;
        GetWindowRect(circle, &r);
        EXPECT_EQ(r.left % 10, 0) << r.left;
        EXPECT_EQ(r.top % 10, 0) << r.top;
        EXPECT_NE(r.left, 80) << "the drag moved it";
        scene.page->input(3, lr::makeInteger(0));
        pump(*platform, 3);
        EXPECT_EQ(windowOf("Form0"), nullptr) << "Stop destroys the shapes";
    }
    lr::resetLifecycle();
}
