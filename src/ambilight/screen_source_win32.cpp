// The GDI screen: each rectangle is copied from the screen's device context with BitBlt into a
// 32-bit top-down DIB section and read from its bits.
#include <windows.h>

#include <mutex>

#include "ambilight/screen_source.h"

namespace lr::ambilight {

namespace {

class GdiScreen : public ScreenSource {
  public:
    ui::Size size() override { return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

    // Parts off the screen are cleared first: BitBlt leaves what it cannot read untouched.
    ui::Image copy(ui::Rect area) override {
        if (area.width <= 0 || area.height <= 0) return {};
        std::lock_guard lock(mutex_);
        HDC screen = GetDC(nullptr);
        if (!screen) return {};
        ui::Image out = copyFrom(screen, area);
        ReleaseDC(nullptr, screen);
        return out;
    }

  private:
    static ui::Image copyFrom(HDC screen, ui::Rect area) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = area.width;
        info.bmiHeader.biHeight = -area.height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        if (!bitmap) return {};
        HDC memory = CreateCompatibleDC(screen);
        const HGDIOBJ old = SelectObject(memory, bitmap);
        PatBlt(memory, 0, 0, area.width, area.height, BLACKNESS);
        const bool copied =
            BitBlt(memory, 0, 0, area.width, area.height, screen, area.left, area.top, SRCCOPY);
        GdiFlush();
        ui::Image out = copied ? converted(static_cast<const unsigned char*>(bits), area) : ui::Image{};
        SelectObject(memory, old);
        DeleteDC(memory);
        DeleteObject(bitmap);
        return out;
    }

    // DIB pixels are blue, green, red, unused bytes.
    static ui::Image converted(const unsigned char* bits, ui::Rect area) {
        ui::Image out(area.width, area.height);
        for (int y = 0; y < area.height; ++y)
            for (int x = 0; x < area.width; ++x) {
                const unsigned char* p = bits + (static_cast<std::size_t>(y) * area.width + x) * 4;
                out.setPixel(x, y, ui::rgb(p[2], p[1], p[0]));
            }
        return out;
    }

    std::mutex mutex_;
};

}  // namespace

std::unique_ptr<ScreenSource> openNativeScreen() {
    return std::make_unique<GdiScreen>();
}

}  // namespace lr::ambilight
