#include "ui/win32/gdi.h"

#include <cmath>
#include <numbers>

#include "ui/win32/text.h"

namespace ui::win32 {

COLORREF colorRef(Color c) {
    return isSystemColor(c) ? GetSysColor(systemColorIndex(c)) : static_cast<COLORREF>(c & 0xFFFFFF);
}

Gdi<HFONT> makeFont(const Font& font, int dpi) {
    LOGFONTW lf{};
    lf.lfHeight = fontHeight(font.sizePt, dpi);
    lf.lfWeight = (font.style & fontstyle::Bold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = (font.style & fontstyle::Italic) ? TRUE : FALSE;
    lf.lfUnderline = (font.style & fontstyle::Underline) ? TRUE : FALSE;
    lf.lfStrikeOut = (font.style & fontstyle::StrikeOut) ? TRUE : FALSE;
    lf.lfCharSet = static_cast<BYTE>(font.charset);
    lf.lfQuality = CLEARTYPE_QUALITY;
    const std::wstring name = toWide(font.name).substr(0, LF_FACESIZE - 1);
    name.copy(lf.lfFaceName, name.size());
    return Gdi<HFONT>(CreateFontIndirectW(&lf));
}

namespace {
BITMAPINFO topDownInfo(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// 0x00BBGGRR to the DIB's 0x00RRGGBB and back: swap red and blue.
std::uint32_t swapRedBlue(std::uint32_t c) {
    return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}

struct Pen {
    Pen(HDC dc, Color c)
        : dc(dc), pen(CreatePen(PS_SOLID, 1, colorRef(c))), old(SelectObject(dc, pen.get())) {}
    ~Pen() { SelectObject(dc, old); }
    HDC dc;
    Gdi<HPEN> pen;
    HGDIOBJ old;
};
}  // namespace

Gdi<HBITMAP> makeBitmap(const Image& image) {
    const BITMAPINFO info = topDownInfo(image.width(), image.height());
    void* bits = nullptr;
    Gdi<HBITMAP> bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || !bits) return nullptr;
    auto* out = static_cast<std::uint32_t*>(bits);
    for (std::size_t i = 0; i < image.pixels().size(); ++i)
        out[i] = swapRedBlue(image.pixels()[i]);
    return bitmap;
}

Image imageOf(HBITMAP bitmap) {
    BITMAP bm{};
    if (!bitmap || !GetObjectW(bitmap, sizeof bm, &bm)) return {};
    Image image(bm.bmWidth, bm.bmHeight);
    BITMAPINFO info = topDownInfo(bm.bmWidth, bm.bmHeight);
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, bitmap, 0, static_cast<UINT>(bm.bmHeight), image.pixels().data(), &info,
              DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    for (Color& c : image.pixels())
        c = swapRedBlue(c);
    return image;
}

RECT GdiPainter::device(Rect r) const {
    return {scale_.px(r.left), scale_.px(r.top), scale_.px(r.right()), scale_.px(r.bottom())};
}

void GdiPainter::fillRect(Rect r, Color c) {
    const RECT rc = device(r);
    Gdi<HBRUSH> brush(CreateSolidBrush(colorRef(c)));
    FillRect(dc_, &rc, brush.get());
}

void GdiPainter::gradientV(Rect r, Color top, Color bottom) {
    const RECT rc = device(r);
    const COLORREF a = colorRef(top), b = colorRef(bottom);
    TRIVERTEX v[2] = {{rc.left, rc.top, static_cast<COLOR16>(GetRValue(a) << 8),
                       static_cast<COLOR16>(GetGValue(a) << 8), static_cast<COLOR16>(GetBValue(a) << 8), 0},
                      {rc.right, rc.bottom, static_cast<COLOR16>(GetRValue(b) << 8),
                       static_cast<COLOR16>(GetGValue(b) << 8), static_cast<COLOR16>(GetBValue(b) << 8), 0}};
    GRADIENT_RECT g{0, 1};
    GradientFill(dc_, v, 2, &g, 1, GRADIENT_FILL_RECT_V);
}

void GdiPainter::fillEllipse(Rect r, Color c) {
    const RECT rc = device(r);
    Gdi<HBRUSH> brush(CreateSolidBrush(colorRef(c)));
    const HGDIOBJ oldBrush = SelectObject(dc_, brush.get());
    const HGDIOBJ oldPen = SelectObject(dc_, GetStockObject(NULL_PEN));
    Ellipse(dc_, rc.left, rc.top, rc.right + 1, rc.bottom + 1);
    SelectObject(dc_, oldPen);
    SelectObject(dc_, oldBrush);
}

void GdiPainter::arc(Rect r, double startDeg, double sweepDeg, Color c) {
    const RECT rc = device(r);
    const double cx = (rc.left + rc.right) / 2.0, cy = (rc.top + rc.bottom) / 2.0;
    auto pointAt = [&](double deg) {
        const double t = deg * std::numbers::pi / 180.0;
        return POINT{static_cast<LONG>(std::lround(cx + 1000 * std::cos(t))),
                     static_cast<LONG>(std::lround(cy - 1000 * std::sin(t)))};
    };
    const POINT from = pointAt(sweepDeg >= 0 ? startDeg : startDeg + sweepDeg);
    const POINT to = pointAt(sweepDeg >= 0 ? startDeg + sweepDeg : startDeg);
    Pen pen(dc_, c);
    SetArcDirection(dc_, AD_COUNTERCLOCKWISE);
    Arc(dc_, rc.left, rc.top, rc.right, rc.bottom, from.x, from.y, to.x, to.y);
}

void GdiPainter::line(Point from, Point to, Color c) {
    Pen pen(dc_, c);
    MoveToEx(dc_, scale_.px(from.x), scale_.px(from.y), nullptr);
    LineTo(dc_, scale_.px(to.x), scale_.px(to.y));
    SetPixel(dc_, scale_.px(to.x), scale_.px(to.y), colorRef(c));
}

void GdiPainter::text(Rect r, std::string_view text, const Font& font, TextAlign align) {
    RECT rc = device(r);
    Gdi<HFONT> hfont = makeFont(font, scale_.dpi);
    const HGDIOBJ old = SelectObject(dc_, hfont.get());
    SetBkMode(dc_, TRANSPARENT);
    SetTextColor(dc_, colorRef(font.color));
    const UINT horizontal = align == TextAlign::Center  ? DT_CENTER
                            : align == TextAlign::Right ? DT_RIGHT
                                                        : DT_LEFT;
    std::wstring wide = toWide(text);
    DrawTextW(dc_, wide.data(), static_cast<int>(wide.size()), &rc,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | horizontal);
    SelectObject(dc_, old);
}

void GdiPainter::image(Point at, const Image& img, std::optional<Color> transparent, std::uint8_t alpha) {
    if (img.empty()) return;
    Gdi<HBITMAP> bitmap = makeBitmap(img);
    HDC mem = CreateCompatibleDC(dc_);
    const HGDIOBJ old = SelectObject(mem, bitmap.get());
    const int x = scale_.px(at.x), y = scale_.px(at.y);
    const int w = scale_.px(img.width()), h = scale_.px(img.height());
    if (transparent) {
        TransparentBlt(dc_, x, y, w, h, mem, 0, 0, img.width(), img.height(), colorRef(*transparent));
    } else if (alpha < 255) {
        const BLENDFUNCTION blend{AC_SRC_OVER, 0, alpha, 0};
        AlphaBlend(dc_, x, y, w, h, mem, 0, 0, img.width(), img.height(), blend);
    } else {
        SetStretchBltMode(dc_, HALFTONE);
        StretchBlt(dc_, x, y, w, h, mem, 0, 0, img.width(), img.height(), SRCCOPY);
    }
    SelectObject(mem, old);
    DeleteDC(mem);
}

}  // namespace ui::win32
