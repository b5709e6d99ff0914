#pragma once
// GDI helpers: owned GDI objects, fonts, bitmaps from images, and the painter for owner-drawn controls.
#include <windows.h>

#include <memory>
#include <type_traits>

#include "ui/painter.h"

namespace ui::win32 {

struct GdiDeleter {
    void operator()(HGDIOBJ h) const {
        if (h) DeleteObject(h);
    }
};
template <class H>
using Gdi = std::unique_ptr<std::remove_pointer_t<H>, GdiDeleter>;

// Logical (96 per inch) to device pixels and back.
struct Scale {
    int dpi = 96;
    int px(int logical) const { return MulDiv(logical, dpi, 96); }
    int logical(int px) const { return MulDiv(px, 96, dpi); }
};

COLORREF colorRef(Color c);
Gdi<HFONT> makeFont(const Font& font, int dpi);
// A top-down 32-bit DIB section holding the image.
Gdi<HBITMAP> makeBitmap(const Image& image);
Image imageOf(HBITMAP bitmap);

class GdiPainter : public Painter {
  public:
    GdiPainter(HDC dc, Size logicalSize, Scale scale) : dc_(dc), size_(logicalSize), scale_(scale) {}
    Size size() const override { return size_; }
    void fillRect(Rect r, Color c) override;
    void gradientV(Rect r, Color top, Color bottom) override;
    void fillEllipse(Rect r, Color c) override;
    void arc(Rect r, double startDeg, double sweepDeg, Color c) override;
    void line(Point from, Point to, Color c) override;
    void text(Rect r, std::string_view text, const Font& font, TextAlign align) override;
    void image(Point at, const Image& img, std::optional<Color> transparent, std::uint8_t alpha) override;

  private:
    RECT device(Rect r) const;
    HDC dc_;
    Size size_;
    Scale scale_;
};

}  // namespace ui::win32
