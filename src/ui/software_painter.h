#pragma once
// A painter into an Image: the headless backend's canvas, read pixel by pixel in tests.
// Text has no glyphs here; each run is recorded with its box so tests can check what was written.
#include <string>
#include <vector>

#include "ui/painter.h"

namespace ui {

struct TextRun {
    Rect box;
    std::string text;
    Font font;
    TextAlign align;
};

class SoftwarePainter : public Painter {
  public:
    explicit SoftwarePainter(Image& target) : target_(target) {}
    Size size() const override { return target_.size(); }
    void fillRect(Rect r, Color c) override;
    void gradientV(Rect r, Color top, Color bottom) override;
    void fillEllipse(Rect r, Color c) override;
    void arc(Rect r, double startDeg, double sweepDeg, Color c) override;
    void line(Point from, Point to, Color c) override;
    void text(Rect r, std::string_view text, const Font& font, TextAlign align) override;
    void image(Point at, const Image& img, std::optional<Color> transparent, std::uint8_t alpha) override;

    const std::vector<TextRun>& texts() const { return texts_; }

  private:
    Image& target_;
    std::vector<TextRun> texts_;
};

// Each component of a and b mixed as a + (b - a) * num / den, rounded to nearest.
Color mix(Color a, Color b, int num, int den);

}  // namespace ui
