#pragma once
// The screen sampling elements: THIScreen, THIImg_Copy, THIResize, THIImg_GetPoint, THIScreenShort.
// Each bitmap belongs to the element that made it and is only lent along a point (a ui::Image*).
#include <cstdint>

#include "runtime/element.h"
#include "runtime/point.h"
#include "ui/image.h"

namespace lr {

// The screen size, read from the screen source at each pull.
class THIScreen : public Element {
  public:
    void ScreenWidth(TData& data);
    void ScreenHeight(TData& data);
};

// Copies a rectangle of the screen into a new bitmap (the window handle is not supported: 0 only).
class THIImg_Copy : public Element {
  public:
    std::int32_t X_ = 0;
    std::int32_t Y_ = 0;
    std::int32_t Width_ = 50;
    std::int32_t Height_ = 50;
    Point X;
    Point Y;
    Point Width;
    Point Height;
    Point onCopy;
    void doCopy(TData& data);

  private:
    ui::Image bitmap_;
};

// Scales a bitmap; the halftone mode gives each result pixel the mean of the source pixels it covers,
// rounded per channel, the same on every platform; otherwise the nearest source pixel.
class THIResize : public Element {
  public:
    std::int32_t Width = 1;
    std::int32_t Height = 1;
    bool Mode = false;
    Point onResize;
    void doResize(TData& data);
    void Result(TData& data);

  private:
    ui::Image result_;
};

// Reads one pixel of the bitmap on `Bitmap` (Source 0); the window and device-context sources have
// no pixels to read here, so they fire the last colour, as a missing bitmap does.
class THIImg_GetPoint : public Element {
  public:
    std::int32_t X = 0;
    std::int32_t Y = 0;
    std::int32_t Source = 0;
    Point Bitmap;
    Point onGetPixel;
    void doGetPixel(TData& data);

  private:
    std::int32_t last_ = 0;
};

// Captures the whole screen (the window and region modes are not used by this program) and lends
// the bitmap to onCapture for the call.
class THIScreenShort : public Element {
  public:
    Point onCapture;
    void doShot(TData& data);
};

// The scaling behind THIResize, for a non-empty source.
ui::Image halftone(const ui::Image& source, int width, int height);
ui::Image nearest(const ui::Image& source, int width, int height);

}  // namespace lr
