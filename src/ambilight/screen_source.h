#pragma once
// The screen that Ambilight samples, in physical pixels: its size and copies of rectangles of it.
// One source per platform (GDI, X11 shared memory) and a synthetic screen that tests paint.
#include <memory>
#include <string>

#include "ui/geometry.h"
#include "ui/image.h"

namespace lr::ambilight {

// Every method may be called from any thread, also from two at once.
class ScreenSource {
  public:
    virtual ~ScreenSource() = default;
    // The primary screen's size now; 0 x 0 when there is no screen.
    virtual ui::Size size() = 0;
    // The pixels of the rectangle; the parts off the screen read black. Empty when nothing can be read.
    virtual ui::Image copy(ui::Rect area) = 0;
    // Why the screen cannot be read; empty while it can.
    virtual std::string error() const { return {}; }
};

// The platform's screen; when it cannot be opened, a screen of size 0 x 0 that tells why.
std::unique_ptr<ScreenSource> openNativeScreen();
std::unique_ptr<ScreenSource> unavailableScreen(std::string why);

// The process-wide screen: the native one, opened on first use, unless a scope installed another.
ScreenSource& screenSource();

class ScopedScreenSource {
  public:
    explicit ScopedScreenSource(ScreenSource& source);
    ~ScopedScreenSource();
    ScopedScreenSource(const ScopedScreenSource&) = delete;
    ScopedScreenSource& operator=(const ScopedScreenSource&) = delete;

  private:
    ScreenSource* previous_;
};

// The part of `area` inside a screen of `screen` size (empty when none).
ui::Rect onScreen(ui::Rect area, ui::Size screen);
// An image of `area`, black but for the pixels of `visible` (a part of it, at screen positions).
ui::Image framed(ui::Rect area, ui::Rect visible, ui::Image pixels);

}  // namespace lr::ambilight
