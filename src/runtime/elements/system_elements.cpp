#include "runtime/elements/system_elements.h"

#include <mutex>

#include "ui/platform.h"

namespace lr {

std::tm localNow() {
    static std::mutex mutex;  // std::localtime shares one result between callers
    const std::time_t now = std::time(nullptr);
    std::lock_guard lock(mutex);
    return *std::localtime(&now);
}

void THITime::Hour(TData& data) {
    const std::tm t = clock();
    data = makeInteger(Date ? t.tm_year + 1900 : t.tm_hour);
}

void THITime::Minute(TData& data) {
    const std::tm t = clock();
    data = makeInteger(Date ? t.tm_mon + 1 : t.tm_min);
}

void THITime::Second(TData& data) {
    const std::tm t = clock();
    data = makeInteger(Date ? t.tm_mday : t.tm_sec);
}

void THIKeyboard::doState(TData& data) {
    const std::int32_t key = readInteger(data, Key, Key_);
    forwardInteger(data, onState, ui::platform().keyboard().isKeyDown(key) ? 1 : 0);
}

const Point& THIMessage::outputFor(std::int32_t code) const {
    const std::array<const Point*, 7> outputs = {&onOK,     &onCancel, &onAbort, &onRetry,
                                                 &onIgnore, &onYes,    &onNo};
    return *outputs[static_cast<std::size_t>(code - 1)];
}

// Out-of-range settings fall back to a plain box rather than reach the system.
void THIMessage::doMessage(TData& data) {
    ui::MessageBoxSpec params;
    params.text = readString(data, Text, Text_);
    params.caption = readString(data, Caption, Caption_);
    params.buttons = Buttons >= 0 && Buttons <= 5 ? static_cast<ui::Buttons>(Buttons) : ui::Buttons::Ok;
    params.icon = Icon >= 0 && Icon <= 4 ? static_cast<ui::Icon>(Icon) : ui::Icon::None;
    params.defaultButton = DefaultButton >= 0 && DefaultButton <= 2 ? DefaultButton : 0;
    const auto code = static_cast<std::int32_t>(ui::platform().messageBoxes().show(params));
    if (code < 1 || code > 7) return;
    fireInteger(onResult, code);
    forwardNull(data, outputFor(code));
}

}  // namespace lr
