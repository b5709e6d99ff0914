#pragma once
// Positions, sizes and colours as they cross the windowing interface. Positions are logical pixels
// (96 per inch); a backend scales them to the monitor.
#include <cstdint>

namespace ui {

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

struct Size {
    int width = 0;
    int height = 0;
    bool operator==(const Size&) const = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int right() const { return left + width; }
    int bottom() const { return top + height; }
    bool contains(Point p) const { return p.x >= left && p.x < right() && p.y >= top && p.y < bottom(); }
    bool operator==(const Rect&) const = default;
};

// 0x00BBGGRR (red in the low byte), or 0xFF000000 plus a system colour index.
using Color = std::uint32_t;

constexpr Color rgb(int r, int g, int b) {
    return static_cast<Color>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int redOf(Color c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int greenOf(Color c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int blueOf(Color c) {
    return static_cast<int>((c >> 16) & 0xFF);
}
constexpr bool isSystemColor(Color c) {
    return (c & 0xFF000000u) == 0xFF000000u;
}
constexpr int systemColorIndex(Color c) {
    return static_cast<int>(c & 0xFFu);
}

// System colour indexes the program uses.
namespace syscolor {
inline constexpr int Window = 5;
inline constexpr int WindowText = 8;
inline constexpr int Highlight = 13;
inline constexpr int HighlightText = 14;
inline constexpr int ButtonFace = 15;
inline constexpr int ButtonShadow = 16;
inline constexpr int GrayText = 17;
inline constexpr int ButtonText = 18;
inline constexpr int InfoText = 23;
inline constexpr int InfoBackground = 24;
}  // namespace syscolor

constexpr Color systemColor(int index) {
    return 0xFF000000u | static_cast<Color>(index);
}

}  // namespace ui
