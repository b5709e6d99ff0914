#include "visual/shape_form.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>

#include "runtime/strings.h"
#include "ui/platform.h"

namespace lr {

namespace {

constexpr int kItemsPerChannel = 15;  // header, Off, "-", A..L
constexpr int kOffItem = 1;
constexpr int kFirstLetterItem = 3;
constexpr int kLetters = 12;
constexpr int kSnap = 10;
constexpr int kShiftKey = 16;
constexpr int kMinSide = 10;
constexpr int kMaxSide = 4000;
constexpr int kMaxCoordinate = 32000;
constexpr int kLeastOpacity = 50;  // "80%": a shape never becomes wholly invisible
constexpr int kFullSizeValue = 8;  // (8 + 2) x 8 = the whole 80-pixel lamp
constexpr ui::Size kLabelSize{11, 17};

// Offsets of the items after the channel submenus.
namespace option {
constexpr int Opaque = 1, Light = 2, Faint = 3;
constexpr int LockOn = 5, LockOff = 6;
constexpr int TopOn = 8, TopOff = 9;
constexpr int Delete = 10;
}  // namespace option

ui::Color labelTextColor(ShapeInput input) {
    switch (input) {
        case ShapeInput::Red:
            return ui::rgb(255, 0, 0);
        case ShapeInput::Green:
            return ui::rgb(0, 255, 0);
        case ShapeInput::Blue:
            return ui::rgb(0, 0, 255);
        case ShapeInput::Size:
        case ShapeInput::Level:
            break;
    }
    return ui::rgb(0, 0, 0);
}

bool isChannelLetter(const std::string& s) {
    return s.size() == 1 && ((s[0] >= 'A' && s[0] < 'A' + kLetters) || s[0] == kNoChannel);
}

// The whole field as a decimal integer; nothing for text, blanks or values beyond int.
std::optional<int> number(const std::string& field) {
    int v = 0;
    const char* end = field.data() + field.size();
    const auto [stop, error] = std::from_chars(field.data(), end, v);
    if (error != std::errc{} || stop != end || field.empty()) return std::nullopt;
    return v;
}

// Nearest multiple of 10, halves to even.
int snapped(int v) {
    return static_cast<int>(std::nearbyint(v / static_cast<double>(kSnap))) * kSnap;
}

bool overlaps(const ui::Rect& a, const ui::Rect& b) {
    return a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
}

// Multiples of 10; a sized shape keeps at least the smallest side, and `square` makes it square.
ui::Rect snappedPlace(const ui::Rect& r, bool sized, bool square) {
    ui::Rect s{snapped(r.left), snapped(r.top), r.width, r.height};
    if (sized) {
        s.width = std::max(snapped(r.width), kMinSide);
        s.height = square ? s.width : std::max(snapped(r.height), kMinSide);
    }
    return s;
}

// A place on no screen at all is moved into the primary screen's work area.
ui::Rect onSomeScreen(ui::Rect r) {
    const ui::Screen& screen = ui::platform().screen();
    for (const ui::Rect& m : screen.monitors())
        if (overlaps(r, m)) return r;
    const ui::Rect area = screen.workArea();
    r.left = std::clamp(r.left, area.left, std::max(area.left, area.right() - r.width));
    r.top = std::clamp(r.top, area.top, std::max(area.top, area.bottom() - r.height));
    return r;
}

}  // namespace

std::string shapeMenuText(const std::vector<std::string>& channelHeaders) {
    std::string text;
    for (const std::string& header : channelHeaders) {
        text += header + "\r\n(\r\nOff\r\n-\r\n";
        for (char c = 'A'; c < 'A' + kLetters; ++c)
            text += std::string(1, c) + "\r\n";
        text += ")\r\n";
    }
    return text +
           "Transparent\r\n(\r\n0%\r\n30%\r\n80%\r\n)\r\nLock Shape\r\n(\r\nOn\r\nOff\r\n)\r\n"
           "Top\r\n(\r\nOn\r\nOff\r\n)\r\nDelete Shape\r\nExit";
}

ShapeForm::ShapeForm(ui::Control* parent, TClassMultiBase* owner, THIMultiElementEx& outer,
                     const ShapeLook& look, std::string menuText)
    : TClassMultiBase(parent, owner),
      look_(look),
      edge_(make<THIEditMultiEx>(outer, shape_point::Inputs, 0)),
      form_(makeForm(look)),
      transparency_(makeTransparency(look)),
      menu_(makeMenu(std::move(menuText))) {
    join(edge_);
    linkEdge();
}

THIMainForm& ShapeForm::makeForm(const ShapeLook& look) {
    THIMainForm& f = make<THIMainForm>();
    f.Caption = look.caption;
    f.BorderStyle = look.border;
    f.Color_ = look.key;
    f.Left_ = 80;
    f.Top_ = 80;
    f.Width_ = look.size.width;
    f.Height_ = look.size.height;
    f.Icon = ui::platform().resources().icon("ASMA");
    return f;
}

THITransparentManager& ShapeForm::makeTransparency(const ShapeLook& look) {
    THITransparentManager& t = make<THITransparentManager>(&form_.control());
    t.Mode = TransparentMode::AlphaAndColorKey;
    t.TransparentColor = look.key;
    t.Level = kOpaque;
    return t;
}

ThiPopupMenuEx& ShapeForm::makeMenu(std::string text) {
    ThiPopupMenuEx& m = make<ThiPopupMenuEx>();
    m.Menu = std::move(text);
    m.onClick = bind<&ShapeForm::menuClick>(*this);
    return m;
}

void ShapeForm::linkEdge() {
    edge_.inputs[shape_point::Level] = bind<&ShapeForm::doLevel>(*this);
    edge_.inputs[shape_point::Command] = bind<&ShapeForm::doCommand>(*this);
    edge_.inputs[shape_point::GetSettings] = bind<&ShapeForm::doGetSettings>(*this);
    edge_.inputs[shape_point::SetSettings] = bind<&ShapeForm::doSetSettings>(*this);
    form_.onMouseDown = bind<&ShapeForm::mouseDown>(*this);
    form_.onMove = bind<&ShapeForm::moved>(*this);
}

void ShapeForm::finish(THIWin& lamp) {
    lamp.onMouseDown = bind<&ShapeForm::mouseDown>(*this);
    for (std::size_t k = 0; k < look_.inputs.size(); ++k) {
        ui::Control& parent = look_.labelsOnLamp ? lamp.control() : form_.control();
        THILabel& label = makeLabel(parent, look_.labelPlaces[k], look_.inputs[k]);
        channels_.push_back({look_.inputs[k], &label, 0, kNoChannel});
        label.onMouseDown = bind<&ShapeForm::mouseDown>(*this);
    }
    transparency_.init();
}

THILabel& ShapeForm::makeLabel(ui::Control& parent, ui::Point at, ShapeInput input) {
    THILabel& l = make<THILabel>(&parent);
    l.Caption = std::string(1, kNoChannel);
    l.Color_ = look_.labelBackground;
    l.ParentFont = false;
    l.Font.color = labelTextColor(input);
    l.Left_ = at.x;
    l.Top_ = at.y;
    l.Width_ = kLabelSize.width;
    l.Height_ = kLabelSize.height;
    l.init();
    return l;
}

std::string ShapeForm::letter(std::size_t input) {
    return input < channels_.size() ? std::string(1, channels_[input].letter) : std::string{};
}

void ShapeForm::assign(Channel& channel, char letter) {
    channel.letter = letter;
    channel.label->control().setText(std::string(1, letter));
}

int ShapeForm::value(ShapeInput input) const {
    for (const Channel& c : channels_)
        if (c.input == input) return c.value;
    return 0;
}

void ShapeForm::setValue(ShapeInput input, int v) {
    for (Channel& c : channels_)
        if (c.input == input) c.value = v;
    show(input);
}

// Only a letter and one more character can match a one-letter assignment; "~" matches nothing.
void ShapeForm::doCommand(TData& data) {
    const std::string command = toString(data);
    if (command.size() != 2 || command[0] == kNoChannel) return;
    const std::int32_t level = toInteger(makeString(command.substr(1)));
    for (Channel& c : channels_) {
        if (c.letter != command[0]) continue;
        c.value = level;
        show(c.input);
    }
}

void ShapeForm::doGetSettings(TData&) {
    const ui::Rect r = form_.window().bounds();
    std::vector<std::string> fields{std::to_string(r.left), std::to_string(r.top)};
    if (look_.sized) {
        fields.push_back(std::to_string(r.width));
        fields.push_back(std::to_string(r.height));
    }
    for (std::size_t k = 0; k < channels_.size(); ++k)
        fields.push_back(letter(k));
    fields.push_back(std::to_string(opacity_));
    fields.push_back(lock_ ? "1" : "0");
    fields.push_back(top_ ? "1" : "0");
    std::string text;
    for (const std::string& f : fields)
        text += (text.empty() ? "" : ":") + f;
    fireString(output(shape_point::OnSettings), std::move(text));
}

void ShapeForm::doSetSettings(TData& data) {
    const std::string text = toString(data);
    std::vector<std::string> fields;
    std::size_t from = 0;
    for (std::size_t at; (at = text.find(':', from)) != std::string::npos; from = at + 1)
        fields.push_back(text.substr(from, at - from));
    fields.push_back(text.substr(from));
    applyFields(fields);
}

// Fields that are missing keep their value; fields that are no number or no letter are not taken.
void ShapeForm::applyFields(const std::vector<std::string>& fields) {
    std::size_t k = 0;
    auto next = [&]() -> std::optional<std::string> {
        if (k >= fields.size()) return std::nullopt;
        return fields[k++];
    };
    auto nextNumber = [&]() -> std::optional<int> {
        const auto field = next();
        return field ? number(*field) : std::nullopt;
    };
    ui::Rect r = form_.window().bounds();
    if (auto v = nextNumber()) r.left = std::clamp(*v, -kMaxCoordinate, kMaxCoordinate);
    if (auto v = nextNumber()) r.top = std::clamp(*v, -kMaxCoordinate, kMaxCoordinate);
    if (look_.sized) {
        if (auto v = nextNumber()) r.width = std::clamp(*v, kMinSide, kMaxSide);
        if (auto v = nextNumber()) r.height = std::clamp(*v, kMinSide, kMaxSide);
    }
    applyPlace(r);
    for (Channel& c : channels_)
        if (auto s = next()) assign(c, isChannelLetter(*s) ? (*s)[0] : kNoChannel);
    if (auto v = nextNumber()) setOpacity(*v);
    if (auto v = nextNumber()) lock_ = *v != 0;
    if (auto v = nextNumber()) setTop(*v != 0);
}

// Snapped before the screen check: snapping afterwards could push a shape that just touches a screen
// off it, and the saved place would then load somewhere else.
void ShapeForm::applyPlace(ui::Rect r) {
    r = onSomeScreen(snappedPlace(r, look_.sized, false));
    form_.place(r);
    form_.window().setBounds(r);
    resized();
}

void ShapeForm::setOpacity(int level) {
    opacity_ = std::clamp(level, kLeastOpacity, kOpaque);
    fireInteger(bind<&THITransparentManager::doTransparent>(transparency_), opacity_);
}

void ShapeForm::setTop(bool on) {
    top_ = on;
    form_.window().setTopmost(on);
}

void ShapeForm::mouseDown(TData& data) {
    switch (toInteger(data)) {
        case 0:
            if (!lock_) form_.window().startMove();
            break;
        case 1:
            fireNull(bind<&ThiPopupMenuEx::doPopup>(menu_));
            break;
        default:
            break;
    }
}

void ShapeForm::menuClick(TData& data) {
    const int item = toInteger(data);
    const int channel = item / kItemsPerChannel;
    if (channel < static_cast<int>(channels_.size()))
        channelItem(static_cast<std::size_t>(channel), item % kItemsPerChannel);
    else
        optionItem(item - static_cast<int>(channels_.size()) * kItemsPerChannel);
}

void ShapeForm::channelItem(std::size_t channel, int item) {
    Channel& c = channels_[channel];
    if (item >= kFirstLetterItem) {
        assign(c, static_cast<char>('A' + item - kFirstLetterItem));
    } else if (item == kOffItem) {
        assign(c, kNoChannel);
        c.value = c.input == ShapeInput::Size ? kFullSizeValue : 0;
        show(c.input);
    }
}

void ShapeForm::optionItem(int item) {
    switch (item) {
        case option::Opaque:
            return setOpacity(255);
        case option::Light:
            return setOpacity(170);
        case option::Faint:
            return setOpacity(50);
        case option::LockOn:
        case option::LockOff:
            lock_ = item == option::LockOn;
            return;
        case option::TopOn:
        case option::TopOff:
            return setTop(item == option::TopOn);
        case option::Delete:
            return fireNull(output(shape_point::OnDeleteRequest));
        default:
            return;
    }
}

// Every move (and resize) lands on multiples of 10; with Shift held the rectangle becomes square.
void ShapeForm::moved(TData&) {
    if (snapping_) return;
    snapping_ = true;
    const ui::Rect r = form_.window().bounds();
    const ui::Rect s = snappedPlace(r, look_.sized, ui::platform().keyboard().isKeyDown(kShiftKey));
    if (s != r) form_.window().setBounds(s);
    resized();
    snapping_ = false;
}

}  // namespace lr
