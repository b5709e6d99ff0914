#include "ambilight/screen_source.h"

#include <algorithm>
#include <atomic>

namespace lr::ambilight {

namespace {

std::atomic<ScreenSource*> installed{nullptr};

class UnavailableScreen : public ScreenSource {
  public:
    explicit UnavailableScreen(std::string why) : why_(std::move(why)) {}
    ui::Size size() override { return {}; }
    ui::Image copy(ui::Rect) override { return {}; }
    std::string error() const override { return why_; }

  private:
    std::string why_;
};

}  // namespace

std::unique_ptr<ScreenSource> unavailableScreen(std::string why) {
    return std::make_unique<UnavailableScreen>(std::move(why));
}

ScreenSource& screenSource() {
    if (ScreenSource* source = installed.load()) return *source;
    static const std::unique_ptr<ScreenSource> native = openNativeScreen();
    return *native;
}

ScopedScreenSource::ScopedScreenSource(ScreenSource& source) : previous_(installed.exchange(&source)) {}

ScopedScreenSource::~ScopedScreenSource() {
    installed.store(previous_);
}

ui::Rect onScreen(ui::Rect area, ui::Size screen) {
    const int left = std::max(area.left, 0);
    const int top = std::max(area.top, 0);
    const long right = std::min<long>(static_cast<long>(area.left) + area.width, screen.width);
    const long bottom = std::min<long>(static_cast<long>(area.top) + area.height, screen.height);
    if (right <= left || bottom <= top) return {};
    return {left, top, static_cast<int>(right - left), static_cast<int>(bottom - top)};
}

ui::Image framed(ui::Rect area, ui::Rect visible, ui::Image pixels) {
    if (area.width <= 0 || area.height <= 0) return {};
    if (visible == area) return pixels;
    ui::Image out(area.width, area.height, 0);
    const int dx = visible.left - area.left;
    const int dy = visible.top - area.top;
    for (int y = 0; y < pixels.height(); ++y)
        for (int x = 0; x < pixels.width(); ++x)
            out.setPixel(x + dx, y + dy, pixels.pixel(x, y));
    return out;
}

}  // namespace lr::ambilight
