#include "runtime/elements/visual_managers.h"

#include <algorithm>

#include "ui/platform.h"

namespace lr {

void THITransparentManager::init() {
    apply();
}

void THITransparentManager::doTransparent(TData& data) {
    Level = std::clamp(toInteger(data), 0, 255);
    apply();
}

void THITransparentManager::apply() {
    if (!window_) return;
    const bool keyed = Mode != TransparentMode::Alpha;
    const bool blended = Mode != TransparentMode::ColorKey;
    window_->setLayered(keyed ? std::optional<ui::Color>(TransparentColor) : std::nullopt,
                        blended ? static_cast<std::uint8_t>(std::clamp(Level, 0, 255)) : 255);
}

void THIHintManager::init() {
    ui::platform().toolkit().setHintStyle({Color, TextColor, Delay});
}

}  // namespace lr
