#include "ui/headless/headless_control.h"

#include <algorithm>

#include "ui/headless/headless_toolkit.h"

namespace ui::headless {

HeadlessControl::HeadlessControl(HeadlessToolkit& toolkit, HeadlessControl* parent, ControlKind kind,
                                 std::intptr_t handle)
    : toolkit_(toolkit), parent_(parent), kind_(kind), handle_(handle) {
    if (parent_) {
        parent_->children_.push_back(this);
        font_ = parent_->font_;
    }
    toolkit_.adopt(*this);
}

HeadlessControl::~HeadlessControl() {
    for (HeadlessControl* child : children_)
        child->parent_ = nullptr;
    if (parent_) std::erase(parent_->children_, this);
    toolkit_.release(*this);
}

// A window has no frame here: each child sits at its place inside its parent's place.
Point HeadlessControl::screenPosition() const {
    Point at{};
    for (const HeadlessControl* c = this; c; c = c->parent_) {
        at.x += c->bounds_.left;
        at.y += c->bounds_.top;
    }
    return at;
}

void HeadlessControl::setBounds(Rect r) {
    const bool changed = r != bounds_;
    bounds_ = r;
    if (changed && kind_ == ControlKind::Window && listener_) listener_->moved(bounds_);
}

void HeadlessControl::setEnabled(bool on) {
    enabled_ = on;
    invalidate();
}

void HeadlessControl::setColor(Color c) {
    color_ = c;
    invalidate();
}

void HeadlessControl::setFont(const Font& f) {
    font_ = f;
    invalidate();
}

void HeadlessControl::setText(std::string s) {
    text_ = std::move(s);
    invalidate();
}

std::vector<int> HeadlessControl::columnWidths() const {
    std::vector<int> widths;
    for (const ListColumn& c : columns_)
        widths.push_back(c.width);
    return widths;
}

void HeadlessControl::setItems(std::vector<std::string> items) {
    items_ = std::move(items);
    if (selected_ >= static_cast<int>(items_.size())) selected_ = -1;
}

void HeadlessControl::setSelected(int index) {
    selected_ = index >= 0 && index < static_cast<int>(items_.size()) ? index : -1;
    if (kind_ == ControlKind::ComboBox)
        text_ = selected_ >= 0 ? items_[static_cast<std::size_t>(selected_)] : "";
}

void HeadlessControl::setPosition(int pos) {
    position_ = std::clamp(pos, min_, std::max(min_, max_));
}

void HeadlessControl::setRange(int min, int max) {
    min_ = min;
    max_ = max;
    setPosition(position_);
}

void HeadlessControl::setSteps(int lineSize, int pageSize, int tickFrequency) {
    lineSize_ = lineSize;
    pageSize_ = pageSize;
    tickFrequency_ = tickFrequency;
}

void HeadlessControl::setImages(ImageSet images) {
    images_ = std::move(images);
    invalidate();
}

void HeadlessControl::setLayered(std::optional<Color> key, std::uint8_t alpha) {
    layeredKey_ = key;
    alpha_ = alpha;
}

void HeadlessControl::minimise() {
    if (minimised_) return;
    minimised_ = true;
    if (listener_) listener_->minimised();
}

void HeadlessControl::restore() {
    if (!minimised_) return;
    minimised_ = false;
    if (listener_) listener_->restored();
}

void HeadlessControl::bringToFront() {
    toolkit_.activate(*this);
}

void HeadlessControl::requestClose() {
    if (listener_ && !listener_->closeRequested()) return;
    visible_ = false;
    closed_ = true;
}

bool HeadlessControl::shownOnScreen() const {
    const HeadlessControl* c = this;
    for (; c->parent_; c = c->parent_)
        if (!c->visible_) return false;
    return c->kind_ == ControlKind::Window && c->visible_ && !c->minimised_;
}

Color HeadlessControl::resolved(Color c) const {
    return resolveColor(toolkit_.screen(), c);
}

Image HeadlessControl::render() {
    Image canvas(bounds_.width, bounds_.height, resolved(color_));
    SoftwarePainter painter(canvas);
    paintInto(painter);
    lastTexts_ = painter.texts();
    for (HeadlessControl* child : children_) {
        if (!child->visible_) continue;
        const Image drawn = child->render();
        const Point at{child->bounds_.left, child->bounds_.top};
        painter.image(at, drawn, {}, 255);
        for (TextRun run : child->lastTexts_) {
            run.box.left += at.x;
            run.box.top += at.y;
            lastTexts_.push_back(std::move(run));
        }
    }
    return canvas;
}

void HeadlessControl::paintInto(SoftwarePainter& painter) {
    const Rect all{0, 0, bounds_.width, bounds_.height};
    switch (kind_) {
        case ControlKind::PaintBox:
            if (listener_) listener_->paint(painter);
            break;
        case ControlKind::ImageButton:
        case ControlKind::ImageView:
            painter.image({0, 0}, enabled_ ? images_.normal : images_.disabled, std::optional<Color>{}, 255);
            break;
        case ControlKind::BitmapButton:
            painter.frameRect(all, resolved(systemColor(syscolor::ButtonShadow)));
            painter.image({2, (bounds_.height - images_.normal.height()) / 2}, images_.normal, {}, 255);
            painter.text(all, text_, font_, TextAlign::Center);
            break;
        case ControlKind::Panel:
            if (bevel_ != Bevel::None) painter.frameRect(all, resolved(systemColor(syscolor::ButtonShadow)));
            painter.text(all, text_, font_, TextAlign::Center);
            break;
        case ControlKind::GroupBox:
            painter.frameRect({0, 6, bounds_.width, bounds_.height - 6},
                              resolved(systemColor(syscolor::ButtonShadow)));
            painter.text({8, 0, bounds_.width - 16, 13}, text_, font_, TextAlign::Left);
            break;
        case ControlKind::ListView:
            paintList(painter);
            break;
        case ControlKind::Window:
        case ControlKind::ScrollBox:
            break;
        default:
            painter.text(all, text_, font_, TextAlign::Left);
            break;
    }
}

// A header row of the column captions, then one line per row that fits, cells cut at tabs.
void HeadlessControl::paintList(SoftwarePainter& painter) {
    constexpr int kLine = 17;
    painter.frameRect({0, 0, bounds_.width, bounds_.height}, resolved(systemColor(syscolor::ButtonShadow)));
    const auto cells = [&](int top, const std::vector<std::string>& texts) {
        int left = 2;
        for (std::size_t c = 0; c < columns_.size() && c < texts.size(); ++c) {
            painter.text({left, top, columns_[c].width - 4, kLine}, texts[c], font_, TextAlign::Left);
            left += columns_[c].width;
        }
    };
    std::vector<std::string> captions;
    for (const ListColumn& c : columns_)
        captions.push_back(c.caption);
    cells(1, captions);
    for (std::size_t r = 0; r < items_.size() && static_cast<int>(r + 2) * kLine <= bounds_.height; ++r) {
        std::vector<std::string> texts;
        for (std::size_t start = 0; start <= items_[r].size();) {
            const std::size_t tab = std::min(items_[r].find('\t', start), items_[r].size());
            texts.push_back(items_[r].substr(start, tab - start));
            start = tab + 1;
        }
        cells(1 + static_cast<int>(r + 1) * kLine, texts);
    }
}

}  // namespace ui::headless
