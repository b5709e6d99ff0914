#include "ambilight/image_element.h"

#include <algorithm>
#include <thread>

#include "ambilight/screen_elements.h"
#include "ui/platform.h"

namespace lr {

THIImage::THIImage(ui::Control* parent)
    : THIWin(parent), loopThread_(std::this_thread::get_id()), self_(std::make_shared<THIImage*>(this)) {}

void THIImage::doLoad(TData& data) {
    const auto* bitmap = static_cast<const ui::Image*>(readBitmap(data, Point{}));
    if (!bitmap || bitmap->empty()) return;
    onLoop([picture = scaled(*bitmap)](THIImage& image) { image.control().setImages({picture}); });
}

void THIImage::doColor(TData& data) {
    const auto color = static_cast<ui::Color>(toInteger(data));
    onLoop([color](THIImage& image) {
        image.control().setColor(color);
        image.control().invalidate();
    });
}

template <class F>
void THIImage::onLoop(F&& change) {
    if (std::this_thread::get_id() == loopThread_) {
        change(*this);
        return;
    }
    std::weak_ptr<THIImage*> self = self_;
    ui::platform().loop().post([self, change = std::forward<F>(change)] {
        if (const auto image = self.lock()) change(**image);
    });
}

// The size of the control, as its properties set it: the control itself is the loop thread's.
ui::Image THIImage::scaled(const ui::Image& bitmap) const {
    if (Stretch) return halftone(bitmap, Width_, Height_);
    const double ratio = std::min(static_cast<double>(Width_) / bitmap.width(),
                                  static_cast<double>(Height_) / bitmap.height());
    const int width = std::max(1, static_cast<int>(bitmap.width() * ratio));
    const int height = std::max(1, static_cast<int>(bitmap.height() * ratio));
    const ui::Image fitted = halftone(bitmap, width, height);
    ui::Image out(Width_, Height_, Color_);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            out.setPixel(x + (Width_ - width) / 2, y + (Height_ - height) / 2, fitted.pixel(x, y));
    return out;
}

}  // namespace lr
