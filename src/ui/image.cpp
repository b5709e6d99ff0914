#include "ui/image.h"

#include <algorithm>

namespace ui {

Image::Image(int width, int height, Color fill)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), fill) {}

Color Image::pixel(int x, int y) const {
    return inside(x, y) ? pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                                  static_cast<std::size_t>(x)]
                        : 0;
}

void Image::setPixel(int x, int y, Color c) {
    if (inside(x, y))
        pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                static_cast<std::size_t>(x)] = c;
}

}  // namespace ui
