#include "runtime/elements/color_dialog.h"

#include "ui/platform.h"

namespace lr {

void THIColorDialog::doExecute(TData& data) {
    const auto initial = static_cast<ui::Color>(readInteger(data, Color, Color_)) & 0xFFFFFFu;
    ui::Window* owner =
        Handle.connected() ? ui::platform().toolkit().windowFromHandle(readInteger(Handle)) : nullptr;
    const std::optional<ui::Color> chosen = ui::platform().dialogs().chooseColor(owner, initial);
    if (chosen) fireInteger(onSelect, static_cast<std::int32_t>(*chosen & 0xFFFFFFu));
}

}  // namespace lr
