#include "shell/mode_bar.h"

#include "runtime/strings.h"
#include "settings/translation.h"
#include "shell/resource_texts.h"
#include "ui/platform.h"

namespace lr {

namespace {
constexpr int kButtonWidth = 70;
constexpr int kButtonHeight = 30;

// Row `mode` of the colour table; missing or short rows keep the colours they do not give.
std::vector<std::string> colourRow(std::int32_t mode) {
    const std::vector<std::string> rows = splitLines(shell::modeColourTable());
    if (mode < 0 || static_cast<std::size_t>(mode) >= rows.size()) return {};
    std::vector<std::string> colours;
    std::string_view row = rows[static_cast<std::size_t>(mode)];
    for (std::size_t comma = row.find(','); !row.empty(); comma = row.find(',')) {
        colours.emplace_back(row.substr(0, comma));
        row = comma == std::string_view::npos ? std::string_view() : row.substr(comma + 1);
    }
    return colours;
}
}  // namespace

TClassChildPanelEx_1EF8A50::TClassChildPanelEx_1EF8A50(ui::Control* parent, TClassMultiBase* owner,
                                                       THIMultiElement& outer)
    : TClassMultiBase(parent, owner),
      edge_(make<THIEditMulti>(outer, 1, 1)),
      bar_(make<THIPanel>(parent)),
      layout_(make<THIHBoxLayout>()) {
    join(edge_);
    edge_.inputs[0] = bind<&TClassChildPanelEx_1EF8A50::select>(*this);
    edge_.dataOutputs[0] = bind<&TClassChildPanelEx_1EF8A50::mode>(*this);
    bar_.Name = "mode bar";
    bar_.Left_ = 5;
    bar_.Top_ = 47;
    bar_.Width_ = kButtonWidth * static_cast<int>(kModeCount);
    bar_.Height_ = kButtonHeight;
    bar_.Color_ = 0xC0C0C0;
    bar_.init();
    layout_.LayoutName = "button";
    for (std::size_t k = 0; k < kModeCount; ++k) {
        THIBitBtn& button = make<THIBitBtn>(&bar_.control());
        button.Caption = settings::translate(kModeButtons[k].caption);
        button.Bitmap = ui::platform().resources().bitmap(kModeButtons[k].bitmap);
        button.Width_ = kButtonWidth;
        button.Height_ = kButtonHeight;
        button.onClick = bind<&TClassChildPanelEx_1EF8A50::chosen>(*this, static_cast<std::uint16_t>(k));
        button.init();
        layout_.add(make<TWinLayout>(button));
        buttons_[k] = &button;
    }
    layout_.layout();
    recolour(0);
}

void TClassChildPanelEx_1EF8A50::select(TData& data) {
    recolour(toInteger(data));
}

void TClassChildPanelEx_1EF8A50::chosen(TData&, std::uint16_t mode) {
    recolour(mode);
    fireInteger(bind<&THIEditMulti::output>(edge_, 0), mode_);
}

void TClassChildPanelEx_1EF8A50::mode(TData& data) {
    data = makeInteger(mode_);
}

void TClassChildPanelEx_1EF8A50::recolour(std::int32_t requested) {
    const auto mode = static_cast<std::int32_t>(validMode(requested));
    const std::vector<std::string> colours = colourRow(mode);
    for (std::size_t k = 0; k < colours.size() && k < kModeCount; ++k) {
        TData colour = makeInteger(toInteger(makeString(colours[k])));
        buttons_[k]->doColor(colour);
    }
    mode_ = mode;
}

}  // namespace lr
