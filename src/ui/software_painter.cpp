#include "ui/software_painter.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ui {

namespace {
int mixComponent(int a, int b, int num, int den) {
    const int scaled = (b - a) * num;
    return a + (scaled >= 0 ? (scaled + den / 2) / den : -((-scaled + den / 2) / den));
}

// The angle of (dx, dy) in degrees, counter-clockwise from 3 o'clock with y pointing down, in [0, 360).
double angleOf(double dx, double dy) {
    const double deg = std::atan2(-dy, dx) * 180.0 / std::numbers::pi;
    return deg < 0 ? deg + 360.0 : deg;
}

bool withinSweep(double angle, double start, double sweep) {
    if (sweep >= 360.0 || sweep <= -360.0) return true;
    double from = std::fmod(sweep >= 0 ? start : start + sweep, 360.0);
    if (from < 0) from += 360.0;
    double offset = angle - from;
    if (offset < 0) offset += 360.0;
    return offset <= std::abs(sweep);
}
}  // namespace

Color mix(Color a, Color b, int num, int den) {
    if (den <= 0) return a;
    return rgb(mixComponent(redOf(a), redOf(b), num, den), mixComponent(greenOf(a), greenOf(b), num, den),
               mixComponent(blueOf(a), blueOf(b), num, den));
}

void SoftwarePainter::fillRect(Rect r, Color c) {
    for (int y = r.top; y < r.bottom(); ++y)
        for (int x = r.left; x < r.right(); ++x)
            target_.setPixel(x, y, c);
}

void SoftwarePainter::gradientV(Rect r, Color top, Color bottom) {
    const int last = std::max(r.height - 1, 1);
    for (int row = 0; row < r.height; ++row)
        fillRect({r.left, r.top + row, r.width, 1}, mix(top, bottom, row, last));
}

void SoftwarePainter::fillEllipse(Rect r, Color c) {
    const double rx = r.width / 2.0;
    const double ry = r.height / 2.0;
    if (rx <= 0 || ry <= 0) return;
    for (int y = r.top; y < r.bottom(); ++y) {
        for (int x = r.left; x < r.right(); ++x) {
            const double dx = (x + 0.5 - r.left - rx) / rx;
            const double dy = (y + 0.5 - r.top - ry) / ry;
            if (dx * dx + dy * dy <= 1.0) target_.setPixel(x, y, c);
        }
    }
}

void SoftwarePainter::arc(Rect r, double startDeg, double sweepDeg, Color c) {
    const double rx = (r.width - 1) / 2.0;
    const double ry = (r.height - 1) / 2.0;
    if (rx <= 0 || ry <= 0) return;
    const int steps = static_cast<int>(std::ceil(4 * (rx + ry))) + 4;
    for (int i = 0; i <= steps; ++i) {
        const double t = 2 * std::numbers::pi * i / steps;
        const double dx = rx * std::cos(t);
        const double dy = -ry * std::sin(t);
        if (!withinSweep(angleOf(dx, dy), startDeg, sweepDeg)) continue;
        target_.setPixel(static_cast<int>(std::lround(r.left + rx + dx)),
                         static_cast<int>(std::lround(r.top + ry + dy)), c);
    }
}

void SoftwarePainter::line(Point from, Point to, Color c) {
    // Bresenham, both ends drawn.
    const int dx = std::abs(to.x - from.x);
    const int dy = -std::abs(to.y - from.y);
    const int sx = from.x < to.x ? 1 : -1;
    const int sy = from.y < to.y ? 1 : -1;
    int err = dx + dy;
    for (Point p = from;;) {
        target_.setPixel(p.x, p.y, c);
        if (p == to) break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            p.x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            p.y += sy;
        }
    }
}

void SoftwarePainter::text(Rect r, std::string_view text, const Font& font, TextAlign align) {
    texts_.push_back({r, std::string(text), font, align});
}

void SoftwarePainter::image(Point at, const Image& img, std::optional<Color> transparent,
                            std::uint8_t alpha) {
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            const Color c = img.pixel(x, y);
            if (transparent && c == *transparent) continue;
            const Color under = target_.pixel(at.x + x, at.y + y);
            target_.setPixel(at.x + x, at.y + y, alpha == 255 ? c : mix(under, c, alpha, 255));
        }
    }
}

}  // namespace ui
