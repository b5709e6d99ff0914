// The GDI screen source under Wine: a topmost window over the whole screen paints a known picture,
// and a pass of layout 2 reads the mean of each of its four regions.
#include <windows.h>

#include <gtest/gtest.h>

#include "ambilight/sampling_blocks.h"
#include "ambilight/screen_source.h"
#include "known_picture.h"
#include "recorder.h"
#include "runtime/point.h"

using namespace lr;

namespace {

LRESULT CALLBACK paintPicture(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message != WM_PAINT) return DefWindowProcW(hwnd, message, wparam, lparam);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT client;
    GetClientRect(hwnd, &client);
    known_picture::forEachStripe(client.right, client.bottom, [&](const known_picture::Stripe& s) {
        const RECT r{s.place.left, s.place.top, s.place.right(), s.place.bottom()};
        HBRUSH brush = CreateSolidBrush(s.color);  // COLORREF is 0x00BBGGRR too
        FillRect(dc, &r, brush);
        DeleteObject(brush);
    });
    EndPaint(hwnd, &ps);
    return 0;
}

class PictureWindow {
  public:
    PictureWindow() {
        WNDCLASSW wc{};
        wc.lpfnWndProc = paintPicture;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"KnownPicture";
        RegisterClassW(&wc);
        hwnd_ = CreateWindowExW(WS_EX_TOPMOST, L"KnownPicture", L"", WS_POPUP | WS_VISIBLE, 0, 0,
                                GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), nullptr,
                                nullptr, wc.hInstance, nullptr);
        UpdateWindow(hwnd_);
        for (int i = 0; i < 20; ++i) {
            MSG msg;
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageW(&msg);
            Sleep(20);  // lets Wine put the window on the X server
        }
        GdiFlush();
    }
    ~PictureWindow() { DestroyWindow(hwnd_); }
    PictureWindow(const PictureWindow&) = delete;
    PictureWindow& operator=(const PictureWindow&) = delete;

  private:
    HWND hwnd_ = nullptr;
};

}  // namespace

TEST(GdiCapture, EachRegionReadsTheMeanOfThePaintedPicture) {
    ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN), 1280) << "layout 2 regions 160 wide";
    PictureWindow picture;
    installDispatch();
    ambilight::ScreenSource& screen = ambilight::screenSource();
    EXPECT_EQ(screen.size(), (ui::Size{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}));
    THIScreen info;
    Recorder colours;
    LayoutBlock block(nullptr, kLayouts[2], bind<&THIScreen::ScreenWidth>(info),
                      bind<&THIScreen::ScreenHeight>(info));
    for (std::uint16_t k = 0; k < 4; ++k)
        block.setOnRegion(k, colours.point(k));
    fireNull(block.doSample());
    ASSERT_EQ(colours.values.size(), 4u);
    for (std::size_t k = 0; k < 4; ++k)
        EXPECT_EQ(static_cast<ui::Color>(toInteger(colours.values[k])), known_picture::kMeans[k])
            << "region " << k + 1;
    uninstallDispatch();
}
