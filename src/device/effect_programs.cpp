#include "device/effect_programs.h"

#include "device/protocol.h"
#include "settings/translation.h"

namespace lr {

using Group = TClassChildGroupBox_2A60570;

const std::array<const char*, effect::kPrograms> Group::kNames = {
    "EEP1", "EEP2", "EEP3", "EEP4", "FLP1", "FLP2", "EES", "FLS", "FLP3", "FLP4",
};

namespace {

constexpr int kHeadingTop = 14;
constexpr int kRowTop[2] = {30, 51};
constexpr int kLabelWidth = 62;
constexpr int kLabelHeight = 19;
constexpr int kColumnStep = 68;
constexpr int kSeriesLeft = 8 + 4 * kColumnStep + 8;

// Where each program's label sits: EEPROM slots in the first two columns, flash programs in the next
// two, the series in a column of their own; the first of each pair on the upper row.
ui::Point place(std::size_t index) {
    struct Cell {
        int column;
        int row;
    };
    static constexpr std::array<Cell, effect::kPrograms> cells = {{
        {0, 0},
        {1, 0},
        {0, 1},
        {1, 1},
        {2, 0},
        {3, 0},
        {4, 0},
        {4, 1},
        {2, 1},
        {3, 1},
    }};
    const Cell c = cells[index];
    const int left = c.column == 4 ? kSeriesLeft : 8 + c.column * kColumnStep;
    return {left, kRowTop[c.row]};
}

}  // namespace

Group::TClassChildGroupBox_2A60570(ui::Control* parent, TClassMultiBase* owner, int top)
    : EffectGroup(parent, owner, "Program Selection", top, kHeight) {
    heading("EEPROM", 8, 2 * kColumnStep - 6);
    heading("FLASH", 8 + 2 * kColumnStep, 2 * kColumnStep - 6);
    heading("Series", kSeriesLeft, kLabelWidth);
    for (std::size_t i = 0; i < effect::kPrograms; ++i)
        labels_[i] = &program(i);
}

THILabel& Group::heading(const char* caption, int left, int width) {
    return label(settings::translate(caption), {left, kHeadingTop, width, 14}, ui::TextAlign::Center);
}

THILabel& Group::program(std::size_t index) {
    const ui::Point at = place(index);
    THILabel& l = clickLabel(kNames[index], {at.x, at.y, kLabelWidth, kLabelHeight}, kUnselected, kFont);
    l.onClick = bind<&Group::clicked>(*this, static_cast<std::uint16_t>(index));
    return l;
}

void Group::doSelect(TData& data) {
    const std::int32_t index = toInteger(data);
    if (index < 0 || index >= static_cast<std::int32_t>(effect::kPrograms)) return;
    TData click = makeInteger(0);
    clicked(click, static_cast<std::uint16_t>(index));
}

void Group::clicked(TData&, std::uint16_t index) {
    send(device::programSelect(index));
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        TData color = makeInteger(static_cast<std::int32_t>(i == index ? kSelected : kUnselected));
        labels_[i]->doColor(color);
    }
    fireInteger(onSelected_, index);
}

}  // namespace lr
