#include "organ/channel_monitor.h"

#include <algorithm>

namespace lr {

namespace {
constexpr int kLabelWidth = 35;
constexpr int kLabelHeight = 20;
}  // namespace

ui::Color levelColor(int level) {
    const int shade = 255 - 31 * level;
    return ui::rgb(std::max(0, 255 - shade), 0, 0);
}

TClassChildPanelEx_2A5FF40::TClassChildPanelEx_2A5FF40(ui::Control* parent, TClassMultiBase* owner)
    : TClassMultiBase(parent, owner), strip_(make<THIPanel>(parent)) {
    strip_.Left_ = 53;
    strip_.Top_ = 62;
    strip_.Width_ = 420;
    strip_.Height_ = 16;
    strip_.init();
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        THILabel& label = make<THILabel>(&strip_.control());
        label.Caption = std::string(1, static_cast<char>('A' + i));
        label.Left_ = static_cast<int>(i) * kLabelWidth;
        label.Width_ = kLabelWidth;
        label.Height_ = kLabelHeight;
        label.Alignment_ = ui::TextAlign::Center;
        label.init();
        labels_[i] = &label;
    }
}

void TClassChildPanelEx_2A5FF40::doText(TData& data) {
    for (const char c : toString(data)) {
        if (c >= 'A' && c <= 'L') {
            selected_ = static_cast<std::size_t>(c - 'A');
        } else if (c >= '0' && c <= '8') {
            TData color = makeInteger(static_cast<std::int32_t>(levelColor(c - '0')));
            labels_[selected_]->doColor(color);
        }
    }
}

}  // namespace lr
