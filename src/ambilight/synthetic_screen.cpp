#include "ambilight/synthetic_screen.h"

#include <utility>

namespace lr::ambilight {

SyntheticScreen::SyntheticScreen(ui::Size size, ui::Color fill) : pixels_(size.width, size.height, fill) {}

void SyntheticScreen::fill(ui::Rect area, ui::Color color) {
    std::lock_guard lock(mutex_);
    const ui::Rect visible = onScreen(area, pixels_.size());
    for (int y = visible.top; y < visible.bottom(); ++y)
        for (int x = visible.left; x < visible.right(); ++x)
            pixels_.setPixel(x, y, color);
}

void SyntheticScreen::resize(ui::Size size, ui::Color fill) {
    std::lock_guard lock(mutex_);
    pixels_ = ui::Image(size.width, size.height, fill);
}

void SyntheticScreen::hold() {
    std::lock_guard lock(mutex_);
    held_ = true;
}

void SyntheticScreen::release() {
    {
        std::lock_guard lock(mutex_);
        held_ = false;
    }
    gate_.notify_all();
}

void SyntheticScreen::waitForHeldCopy() {
    std::unique_lock lock(mutex_);
    gate_.wait(lock, [this] { return waiting_ > 0; });
}

std::vector<ui::Rect> SyntheticScreen::copied() const {
    std::lock_guard lock(mutex_);
    return copied_;
}

ui::Size SyntheticScreen::size() {
    std::lock_guard lock(mutex_);
    return pixels_.size();
}

ui::Image SyntheticScreen::copy(ui::Rect area) {
    std::unique_lock lock(mutex_);
    ++waiting_;
    gate_.notify_all();
    gate_.wait(lock, [this] { return !held_; });
    --waiting_;
    copied_.push_back(area);
    const ui::Rect visible = onScreen(area, pixels_.size());
    ui::Image part(visible.width, visible.height);
    for (int y = 0; y < visible.height; ++y)
        for (int x = 0; x < visible.width; ++x)
            part.setPixel(x, y, pixels_.pixel(visible.left + x, visible.top + y));
    return framed(area, visible, std::move(part));
}

}  // namespace lr::ambilight
