#pragma once
// What an owner-drawn control may draw. Coordinates are the control's own, in logical pixels.
#include <cstdint>
#include <optional>
#include <string_view>

#include "ui/font.h"
#include "ui/geometry.h"
#include "ui/image.h"

namespace ui {

enum class TextAlign { Left, Center, Right };

class Painter {
  public:
    virtual ~Painter() = default;
    virtual Size size() const = 0;
    virtual void fillRect(Rect r, Color c) = 0;
    // Top colour at the first row, bottom colour at the last.
    virtual void gradientV(Rect r, Color top, Color bottom) = 0;
    virtual void fillEllipse(Rect r, Color c) = 0;
    // The rim of the ellipse inscribed in r, from startDeg counter-clockwise over sweepDeg (0 = 3 o'clock).
    virtual void arc(Rect r, double startDeg, double sweepDeg, Color c) = 0;
    virtual void line(Point from, Point to, Color c) = 0;
    // One line of text, vertically centred in r.
    virtual void text(Rect r, std::string_view text, const Font& font, TextAlign align) = 0;
    // Draws img at `at`; pixels of the transparent colour are skipped; alpha 255 is opaque.
    virtual void image(Point at, const Image& img, std::optional<Color> transparent = {},
                       std::uint8_t alpha = 255) = 0;

    void frameRect(Rect r, Color c);
};

}  // namespace ui
