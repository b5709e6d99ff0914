#include "organ/input_rows.h"

#include <algorithm>
#include <cmath>

namespace lr {

namespace {
constexpr ui::Color kPageColor = 0xC0C0C0;
constexpr int kRowWidth = 471;
constexpr int kRowHeight = 26;
constexpr int kVolumeMax = 100;
}  // namespace

OrganInputRow::OrganInputRow(ui::Control* parent, TClassMultiBase* owner, THIMultiElementEx& outer)
    : TClassMultiBase(parent, owner), edge_(make<THIEditMultiEx>(outer, 1, 0)), top_(make<THIMathParse>(1)) {
    join(edge_);
    edge_.inputs[0] = bind<&OrganInputRow::build>(*this);
    top_.setFormula("300 + %1*23");
    top_.ResultType = 0;
    top_.onResult = bind<&OrganInputRow::place>(*this);
}

// The controls take the input's state before they exist, so building the row reports nothing.
void OrganInputRow::build(TData& data) {
    const TData* volume = data.next.get();
    const TData* enabled = volume ? volume->next.get() : nullptr;
    const TData* index = enabled ? enabled->next.get() : nullptr;
    index_ = index ? toInteger(*index) : 0;
    row_ = &rowPanel();
    volume_ = &volumeBar(volume ? static_cast<int>(std::nearbyint(toReal(*volume) * kVolumeMax)) : 0);
    enabled_ = &enabledBox(toString(data), enabled && toInteger(*enabled) != 0);
    fireInteger(bind<&THIMathParse::doCalc>(top_), index_);
}

THIPanel& OrganInputRow::rowPanel() {
    THIPanel& row = make<THIPanel>(parentControl());
    row.Color_ = kPageColor;
    row.Width_ = kRowWidth;
    row.Height_ = kRowHeight;
    row.init();
    return row;
}

THIScrollBar& OrganInputRow::volumeBar(int position) {
    THIScrollBar& bar = make<THIScrollBar>(&row_->control());
    bar.Min = 0;
    bar.Max = kVolumeMax;
    bar.PageSize = 10;
    bar.Position_ = position;
    bar.Left_ = 10;
    bar.Top_ = 7;
    bar.Width_ = 315;
    bar.Height_ = 15;
    bar.onPosition = bind<&OrganInputRow::changed>(*this);
    bar.init();
    return bar;
}

THICheckBox& OrganInputRow::enabledBox(const std::string& name, bool enabled) {
    THICheckBox& box = make<THICheckBox>(&row_->control());
    box.Caption = name;
    box.Checked_ = enabled;
    box.Color_ = kPageColor;
    box.Left_ = 333;
    box.Top_ = 8;
    box.Width_ = 140;
    box.Height_ = 15;
    box.onCheck = bind<&OrganInputRow::changed>(*this);
    box.init();
    return box;
}

// The formula gives the row's top within the group box; the list starts at its top.
void OrganInputRow::place(TData& data) {
    const std::int32_t top = toInteger(data) - OrganInputRows::kListTop;
    fireInteger(bind<&THIWin::doTop>(*row_), top);
    fireInteger(bind<&THIEditMultiEx::output>(edge_, 1), top + kRowHeight);
}

void OrganInputRow::changed(TData&) {
    TData setting = makeInteger(index_);
    const std::int32_t position = readInteger(bind<&THIScrollBar::Position>(*volume_));
    append(setting, makeReal(position / static_cast<double>(kVolumeMax)));
    append(setting, makeInteger(readInteger(bind<&THICheckBox::Checked>(*enabled_))));
    fire(bind<&THIEditMultiEx::output>(edge_, 0), setting);
}

OrganInputRows::OrganInputRows(ui::Control* parent, TClassMultiBase* owner)
    : TClassMultiBase(parent, owner),
      box_(list(parent)),
      rows_(make<THIMultiElementEx>(&box_.control(), this, 2, 0)) {
    rows_.Mode = 1;
    rows_.outputs[1] = bind<&OrganInputRows::grow>(*this);
    rows_.setCreate(
        [this](ui::Control* p, TClassMultiBase* o) { return std::make_unique<OrganInputRow>(p, o, rows_); });
}

THIScrollBox& OrganInputRows::list(ui::Control* parent) {
    THIScrollBox& b = make<THIScrollBox>(parent);
    b.Name = "recording inputs";
    b.Color_ = kPageColor;
    b.Border = ui::Bevel::Lowered;
    b.Left_ = 4;
    b.Top_ = kListTop;
    b.Width_ = 508;
    b.Height_ = 75;
    b.init();
    return b;
}

void OrganInputRows::doAddRow(TData& data) {
    fire(bind<&THIMultiElementEx::doAddInstance>(rows_, 0), data);
}

// The list scrolls over every row it holds.
void OrganInputRows::grow(TData& data) {
    contentHeight_ = std::max(contentHeight_, toInteger(data));
    box_.control().setRange(0, contentHeight_);
}

}  // namespace lr
