#pragma once
// Colours, fonts and images to Qt, and ui::Painter on a QPainter.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>

#include "ui/painter.h"
#include "ui/screen.h"

namespace ui::qt {

QColor qtColor(const Screen& screen, Color c);
// Point sizes as 96-per-inch pixel heights, so text takes the same room as on Windows at 100 %.
QFont qtFont(const Font& font);
QImage qtImage(const Image& image, std::optional<Color> transparent = {});
Image imageOf(const QImage& image);

class QtPainter : public Painter {
  public:
    QtPainter(QPainter& painter, Size size, const Screen& screen)
        : painter_(painter), size_(size), screen_(screen) {}
    Size size() const override { return size_; }
    void fillRect(Rect r, Color c) override;
    void gradientV(Rect r, Color top, Color bottom) override;
    void fillEllipse(Rect r, Color c) override;
    void arc(Rect r, double startDeg, double sweepDeg, Color c) override;
    void line(Point from, Point to, Color c) override;
    void text(Rect r, std::string_view text, const Font& font, TextAlign align) override;
    void image(Point at, const Image& img, std::optional<Color> transparent, std::uint8_t alpha) override;

  private:
    QColor color(Color c) const { return qtColor(screen_, c); }
    QPainter& painter_;
    Size size_;
    const Screen& screen_;
};

}  // namespace ui::qt
