#pragma once
// Screen metrics and the resources built into the program.
#include <string>
#include <string_view>
#include <vector>

#include "ui/geometry.h"
#include "ui/image.h"

namespace ui {

class Screen {
  public:
    virtual ~Screen() = default;
    virtual Size size() const = 0;      // the primary screen, in logical pixels
    virtual Rect workArea() const = 0;  // without the task bar
    virtual int pixelsPerInch() const = 0;
    virtual Point cursor() const = 0;
    virtual Color systemColor(int index) const = 0;
    // Every monitor's area, the primary first; a backend that knows only the primary lists it alone.
    virtual std::vector<Rect> monitors() const { return {{0, 0, size().width, size().height}}; }
};

// A colour, with system colours looked up.
Color resolveColor(const Screen& screen, Color c);

class Resources {
  public:
    virtual ~Resources() = default;
    // Empty when there is no such resource.
    virtual Image bitmap(std::string_view name) const = 0;
    virtual Image icon(std::string_view name) const = 0;
    virtual std::string text(std::string_view name) const = 0;
};

}  // namespace ui
