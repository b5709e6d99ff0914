#include "ui/qt/qt_paint.h"

#include <QLinearGradient>
#include <cmath>

#include "ui/qt/qt_text.h"

namespace ui::qt {

QColor qtColor(const Screen& screen, Color c) {
    const Color rgbColor = resolveColor(screen, c);
    return QColor(redOf(rgbColor), greenOf(rgbColor), blueOf(rgbColor));
}

QFont qtFont(const Font& font) {
    QFont f(toQt(font.name));
    f.setPixelSize(std::max(-fontHeight(font.sizePt, 96), 1));
    f.setBold((font.style & fontstyle::Bold) != 0);
    f.setItalic((font.style & fontstyle::Italic) != 0);
    f.setUnderline((font.style & fontstyle::Underline) != 0);
    f.setStrikeOut((font.style & fontstyle::StrikeOut) != 0);
    return f;
}

// 0x00BBGGRR to Qt's 0xAARRGGBB; pixels of the transparent colour get alpha 0.
QImage qtImage(const Image& image, std::optional<Color> transparent) {
    QImage out(image.width(), image.height(), QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const Color c = image.pixel(x, y);
            row[x] = qRgba(redOf(c), greenOf(c), blueOf(c), transparent && c == *transparent ? 0 : 255);
        }
    }
    return out;
}

Image imageOf(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    Image out(rgb.width(), rgb.height());
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            out.setPixel(x, y, ui::rgb(qRed(row[x]), qGreen(row[x]), qBlue(row[x])));
    }
    return out;
}

void QtPainter::fillRect(Rect r, Color c) {
    painter_.fillRect(QRect(r.left, r.top, r.width, r.height), color(c));
}

void QtPainter::gradientV(Rect r, Color top, Color bottom) {
    QLinearGradient g(0, r.top, 0, std::max(r.bottom() - 1, r.top));
    g.setColorAt(0, color(top));
    g.setColorAt(1, color(bottom));
    painter_.fillRect(QRect(r.left, r.top, r.width, r.height), g);
}

void QtPainter::fillEllipse(Rect r, Color c) {
    painter_.save();
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(color(c));
    painter_.drawEllipse(QRect(r.left, r.top, r.width, r.height));
    painter_.restore();
}

void QtPainter::arc(Rect r, double startDeg, double sweepDeg, Color c) {
    painter_.save();
    painter_.setPen(color(c));
    painter_.setBrush(Qt::NoBrush);
    // Qt measures arcs in sixteenths of a degree, counter-clockwise from 3 o'clock, as we do.
    painter_.drawArc(QRect(r.left, r.top, r.width - 1, r.height - 1),
                     static_cast<int>(std::lround(startDeg * 16)),
                     static_cast<int>(std::lround(sweepDeg * 16)));
    painter_.restore();
}

void QtPainter::line(Point from, Point to, Color c) {
    painter_.save();
    painter_.setPen(color(c));
    painter_.drawLine(from.x, from.y, to.x, to.y);
    painter_.restore();
}

void QtPainter::text(Rect r, std::string_view text, const Font& font, TextAlign align) {
    const Qt::Alignment horizontal = align == TextAlign::Center  ? Qt::AlignHCenter
                                     : align == TextAlign::Right ? Qt::AlignRight
                                                                 : Qt::AlignLeft;
    painter_.save();
    painter_.setFont(qtFont(font));
    painter_.setPen(color(font.color));
    painter_.drawText(QRect(r.left, r.top, r.width, r.height),
                      static_cast<int>(horizontal | Qt::AlignVCenter), toQt(text));
    painter_.restore();
}

void QtPainter::image(Point at, const Image& img, std::optional<Color> transparent, std::uint8_t alpha) {
    if (img.empty()) return;
    painter_.save();
    painter_.setOpacity(alpha / 255.0);
    painter_.drawImage(QPoint(at.x, at.y), qtImage(img, transparent));
    painter_.restore();
}

}  // namespace ui::qt
