#include "organ/scheme_view.h"

#include "settings/ini_file.h"
#include "settings/translation.h"

namespace lr {

namespace {

constexpr ui::Color kPageColor = 0xC0C0C0;
constexpr int kBarTop = 88;
constexpr int kBarWidth = 35;
constexpr int kBarHeight = 105;
constexpr int kCaptionTop = 193;
constexpr int kCaptionHeight = 17;
constexpr int kStartPosition = 4;

}  // namespace

struct OrganSchemeView::Place {
    std::string_view name;
    int sliderLeft;
    int captionLeft;
    std::string_view caption;
};

namespace {

// The captions of bars 3..12 stand a few pixels left of their bars.
constexpr std::array<OrganSchemeView::Place, 14> kPlaces = {{
    {"bar_beat", 8, 18, "Beat"},
    {"bar_1", 53, 53, "1"},
    {"bar_2", 88, 88, "2"},
    {"bar_3", 123, 118, "3"},
    {"bar_4", 158, 153, "4"},
    {"bar_5", 193, 188, "5"},
    {"bar_6", 228, 223, "6"},
    {"bar_7", 263, 258, "7"},
    {"bar_8", 298, 293, "8"},
    {"bar_9", 333, 328, "9"},
    {"bar_10", 368, 364, "10"},
    {"bar_11", 403, 399, "11"},
    {"bar_12", 438, 434, "12"},
    {"bar_act", 484, 473, "Act"},
}};

}  // namespace

OrganSchemeView::OrganSchemeView(ui::Control* parent, TClassMultiBase* owner)
    : TClassMultiBase(parent, owner), bars_(makeBars(parent)), info_(infoBox(parent)) {}

std::array<OrganSchemeView::Bar, 14> OrganSchemeView::makeBars(ui::Control* parent) {
    std::array<Bar, 14> bars{};
    for (std::size_t k = 0; k < kPlaces.size(); ++k)
        bars[k] = makeBar(k, kPlaces[k], parent);
    return bars;
}

OrganSchemeView::Bar OrganSchemeView::makeBar(std::size_t k, const Place& place, ui::Control* parent) {
    THITrackBar& slider = make<THITrackBar>(parent);
    slider.Name = std::string(place.name);
    slider.Orientation_ = Orientation::Vertical;
    slider.Min = 0;
    slider.Max = kTopPosition;
    slider.Frequency = 1;
    slider.LineSize = 1;
    slider.Position_ = kStartPosition;
    slider.Color_ = kPageColor;
    slider.Left_ = place.sliderLeft;
    slider.Top_ = kBarTop;
    slider.Width_ = kBarWidth;
    slider.Height_ = kBarHeight;
    slider.onPosition = bind<&OrganSchemeView::moved>(*this, static_cast<std::uint16_t>(k));
    slider.init();

    THILabel& caption = make<THILabel>(parent);
    caption.Caption = std::string(place.caption);
    caption.Color_ = kPageColor;
    caption.Alignment_ = ui::TextAlign::Center;
    caption.Left_ = place.captionLeft;
    caption.Top_ = kCaptionTop;
    caption.Width_ = kBarWidth;
    caption.Height_ = kCaptionHeight;
    caption.init();

    return {place.name, &slider, &caption, &make<THIGlobalVar>(std::string(place.name))};
}

THIMemo& OrganSchemeView::infoBox(ui::Control* parent) {
    THIMemo& m = make<THIMemo>(parent);
    m.Hint = settings::translate("Scheme info");
    m.Color_ = ui::systemColor(ui::syscolor::Window);
    m.Left_ = 13;
    m.Top_ = 210;
    m.Width_ = 499;
    m.Height_ = 80;
    m.init();
    return m;
}

// Every move, by the user or by a load, sets the bar's value at once.
void OrganSchemeView::moved(TData& data, std::uint16_t bar) {
    fireInteger(bind<&THIGlobalVar::doValue>(*bars_[bar].value), kTopPosition - toInteger(data));
}

void OrganSchemeView::doBarPosition(TData& data) {
    const std::string name = toString(data);
    for (Bar& bar : bars_) {
        if (bar.name != name || !data.next) continue;
        TData position = copySingle(*data.next);
        fire(bind<&THITrackBar::doPosition>(*bar.slider), position);
    }
}

void OrganSchemeView::doSchemeText(TData& data) {
    const settings::IniText scheme = settings::iniLoad(toString(data));
    for (Bar& bar : bars_)
        showCaption(bar, scheme.readString("init", std::string(bar.name) + "_name", ""));
    showDescription(scheme.readString("description", "text", ""));
}

// A bar without a name is hidden and keeps its value.
void OrganSchemeView::showCaption(Bar& bar, const std::string& caption) {
    fireString(bind<&THILabel::doText>(*bar.caption), caption);
    fireInteger(bind<&THIWin::doVisible>(*bar.slider), caption.empty() ? 0 : 1);
}

// The box is emptied and refilled as a whole, so that empty parts keep their lines.
void OrganSchemeView::showDescription(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t begin = 0;
    for (std::size_t slash; (slash = text.find('/', begin)) != std::string::npos; begin = slash + 1)
        lines.push_back(text.substr(begin, slash - begin));
    lines.push_back(text.substr(begin));
    fireString(bind<&THIMemo::doText>(info_), joinControlLines(lines));
}

}  // namespace lr
