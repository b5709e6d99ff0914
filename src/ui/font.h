#pragma once
// A font as the elements describe it; the backend turns points into pixels for its screen.
#include <string>

#include "ui/geometry.h"

namespace ui {

namespace fontstyle {
inline constexpr unsigned Bold = 1;
inline constexpr unsigned Italic = 2;
inline constexpr unsigned Underline = 4;
inline constexpr unsigned StrikeOut = 8;
}  // namespace fontstyle

struct Font {
    std::string name = "MS Sans Serif";
    int sizePt = 8;
    unsigned style = 0;
    int charset = 1;  // the system's default character set
    Color color = 0;
    bool operator==(const Font&) const = default;
};

// Pixel height for a point size: (points x pixels per inch + 36) / -72, negative as fonts take it.
constexpr int fontHeight(int points, int pixelsPerInch) {
    return (points * pixelsPerInch + 36) / -72;
}

}  // namespace ui
