#include "runtime/elements/visual_controls.h"

#include <algorithm>

#include "runtime/strings.h"
#include "ui/platform.h"

namespace lr {

ui::ControlSpec THILabel::params() const {
    const unsigned align = Alignment_ == ui::TextAlign::Center  ? ui::style::AlignCenter
                           : Alignment_ == ui::TextAlign::Right ? ui::style::AlignRight
                                                                : 0u;
    return {ui::ControlKind::Label, {}, Caption, align};
}

void THILabel::fitText() {
    if (!AutoSize) return;
    const ui::Size extent = ui::platform().toolkit().textExtent(control().font(), control().text());
    ui::Rect r = control().bounds();
    control().setBounds({r.left, r.top, extent.width, extent.height});
}

void THILabel::doText(TData& data) {
    control().setText(toString(data));
    fitText();
}

void THILabel::Text(TData& data) {
    data = makeString(control().text());
}

ui::ControlSpec THIEdit::params() const {
    return {ui::ControlKind::Edit,
            {},
            Text_,
            (ReadOnly ? ui::style::ReadOnly : 0u) | (Password ? ui::style::Password : 0u)};
}

void THIEdit::doText(TData& data) {
    control().setText(toString(data));
}

void THIEdit::Text(TData& data) {
    data = makeString(control().text());
}

void THIEdit::changed() {
    fireFromUser(onChange, makeString(control().text()));
}

ui::ControlSpec THIMemo::params() const {
    return {ui::ControlKind::Memo, {}, Strings, ReadOnly ? ui::style::ReadOnly : 0u};
}

void THIMemo::doText(TData& data) {
    control().setText(toString(data));
}

void THIMemo::doAdd(TData& data) {
    auto lines = splitLines(control().text());
    lines.push_back(toString(data));
    control().setText(joinControlLines(lines));
}

void THIMemo::doClear(TData&) {
    control().setText({});
}

void THIMemo::Text(TData& data) {
    data = makeString(control().text());
}

void THIMemo::Count(TData& data) {
    data = makeInteger(static_cast<std::int32_t>(splitLines(control().text()).size()));
}

void THIMemo::changed() {
    fireFromUser(onChange, makeString(control().text()));
}

void THICheckBox::doCheck(TData& data) {
    control().setChecked(isTrue(data));
    fireInteger(onCheck, control().checked() ? 1 : 0);
}

void THICheckBox::doCaption(TData& data) {
    control().setText(toString(data));
}

void THICheckBox::Checked(TData& data) {
    data = makeInteger(control().checked() ? 1 : 0);
}

void THICheckBox::changed() {
    fireFromUser(onCheck, makeInteger(control().checked() ? 1 : 0));
}

void THIComboBox::applyOwn() {
    control().setItems(splitLines(Strings));
    if (ItemHeight > 0) control().setItemHeight(ItemHeight);
}

void THIComboBox::doAdd(TData& data) {
    control().addItem(toString(data));
}

void THIComboBox::doClear(TData&) {
    control().setItems({});
}

void THIComboBox::doSelectString(TData& data) {
    const auto items = control().items();
    const auto it = std::find(items.begin(), items.end(), toString(data));
    control().setSelected(it == items.end() ? -1 : static_cast<int>(it - items.begin()));
}

void THIComboBox::doSelect(TData& data) {
    control().setSelected(toInteger(data));
}

void THIComboBox::String(TData& data) {
    const int index = control().selected();
    data = makeString(index >= 0 ? control().items()[static_cast<std::size_t>(index)] : std::string{});
}

void THIComboBox::Index(TData& data) {
    data = makeInteger(control().selected());
}

void THIComboBox::Count(TData& data) {
    data = makeInteger(static_cast<std::int32_t>(control().items().size()));
}

void THIComboBox::changed() {
    TData text;
    String(text);
    fireFromUser(onChange, makeInteger(control().selected()));
    fireFromUser(onSelectText, text);
}

}  // namespace lr
