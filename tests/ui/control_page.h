#pragma once
// A page of controls like one of the program's mode pages: 60 controls of every kind, for benchmarks.
#include <memory>
#include <string>
#include <vector>

#include "ui/toolkit.h"

namespace ui {

inline std::vector<std::unique_ptr<Control>> buildControlPage(Toolkit& toolkit, Window& window) {
    constexpr ControlKind kinds[] = {
        ControlKind::Label,    ControlKind::TrackBar,  ControlKind::CheckBox,    ControlKind::BitmapButton,
        ControlKind::Edit,     ControlKind::ComboBox,  ControlKind::PaintBox,    ControlKind::Panel,
        ControlKind::GroupBox, ControlKind::ScrollBar, ControlKind::ImageButton, ControlKind::Memo};
    std::vector<std::unique_ptr<Control>> page;
    for (int i = 0; i < 60; ++i) {
        const ControlKind kind = kinds[i % std::size(kinds)];
        const Rect bounds{10 + (i % 6) * 85, 10 + (i / 6) * 40, 80, 30};
        page.push_back(toolkit.createControl(&window, {kind, bounds, "Item " + std::to_string(i), 0}));
        page.back()->setColor(rgb(192, 192, 192));
        if (kind == ControlKind::TrackBar) page.back()->setRange(0, 8);
        if (kind == ControlKind::ComboBox) page.back()->setItems({"A", "B", "C"});
    }
    return page;
}

}  // namespace ui
