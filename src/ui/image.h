#pragma once
// A bitmap in memory, 0x00BBGGRR per pixel, rows top to bottom. Backends convert at the screen.
#include <vector>

#include "ui/geometry.h"

namespace ui {

class Image {
  public:
    Image() = default;
    Image(int width, int height, Color fill = 0);

    int width() const { return width_; }
    int height() const { return height_; }
    Size size() const { return {width_, height_}; }
    bool empty() const { return width_ == 0 || height_ == 0; }

    // Reads outside the image give 0; writes outside are dropped.
    Color pixel(int x, int y) const;
    void setPixel(int x, int y, Color c);
    const std::vector<Color>& pixels() const { return pixels_; }
    std::vector<Color>& pixels() { return pixels_; }
    bool operator==(const Image&) const = default;

  private:
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    int width_ = 0;
    int height_ = 0;
    std::vector<Color> pixels_;
};

}  // namespace ui
