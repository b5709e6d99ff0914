#include "runtime/elements/visual_buttons.h"

#include "ui/platform.h"

namespace lr {

void THIBitBtn::doCaption(TData& data) {
    control().setText(toString(data));
}

ui::ControlSpec THIImgBtn::params() const {
    return {ui::ControlKind::ImageButton, {}, {}, Transparent ? ui::style::Transparent : 0u};
}

RushState ThiButtonRush::state() {
    if (!control().enabled()) return RushState::Disabled;
    if (pressed_) return RushState::Pressed;
    return hot_ ? RushState::Hot : RushState::Normal;
}

void ThiButtonRush::doClick(TData&) {
    fireCopy(onClick, Data);
}

void ThiButtonRush::doColors(TData& data) {
    const TData* item = &data;
    auto next = [&item]() -> std::int32_t {
        if (!item || isNull(*item)) return -1;
        const std::int32_t v = toInteger(*item);
        item = item->next.get();
        return v;
    };
    auto take = [&next](ui::Color& c) {
        const std::int32_t v = next();
        if (v != -1) c = static_cast<ui::Color>(v);
    };
    const std::int32_t background = next();
    if (background != -1) {
        Color_ = static_cast<ui::Color>(background);
        for (RushColors& s : States)
            s.base = Color_;
        control().setColor(Color_);
    }
    for (RushColors& s : States) {
        take(s.gradientTop);
        take(s.gradientBottom);
        take(s.border);
        take(s.light);
        take(s.text);
    }
    control().invalidate();
}

void ThiButtonRush::doCaption(TData& data) {
    control().setText(toString(data));
}

void ThiButtonRush::paint(ui::Painter& painter) {
    const ui::Screen& screen = ui::platform().screen();
    const RushColors& c = States[static_cast<std::size_t>(state())];
    const ui::Size size = painter.size();
    painter.fillRect({0, 0, size.width, size.height}, ui::resolveColor(screen, c.base));
    painter.gradientV({1, 1, size.width - 2, size.height - 2}, ui::resolveColor(screen, c.gradientTop),
                      ui::resolveColor(screen, c.gradientBottom));
    painter.line({2, 1}, {size.width - 3, 1}, ui::resolveColor(screen, c.light));
    painter.frameRect({0, 0, size.width, size.height}, ui::resolveColor(screen, c.border));
    ui::Font font = control().font();
    font.color = ui::resolveColor(screen, c.text);
    const int shift = state() == RushState::Pressed ? 1 : 0;
    painter.text({shift, shift, size.width, size.height}, control().text(), font, ui::TextAlign::Center);
}

void ThiButtonRush::click() {
    if (lastButton() == 0) fireFromUser(onClick, Data);
}

void ThiButtonRush::mouseDown(ui::MouseButton button, ui::Point at) {
    THIWin::mouseDown(button, at);
    if (button != ui::MouseButton::Left) return;
    pressed_ = true;
    control().invalidate();
}

void ThiButtonRush::mouseUp(ui::MouseButton button, ui::Point at) {
    THIWin::mouseUp(button, at);
    if (button != ui::MouseButton::Left) return;
    pressed_ = false;
    control().invalidate();
}

void ThiButtonRush::mouseEnter() {
    hot_ = true;
    control().invalidate();
}

void ThiButtonRush::mouseLeave() {
    hot_ = false;
    pressed_ = false;
    control().invalidate();
}

}  // namespace lr
