#include "runtime/elements/visual_win.h"

#include "runtime/error.h"
#include "ui/platform.h"

namespace lr {

namespace {
std::int32_t buttonNumber(ui::MouseButton b) {
    return b == ui::MouseButton::Other ? 255 : static_cast<std::int32_t>(b);
}
}  // namespace

std::string joinControlLines(const std::vector<std::string>& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i)
        text += (i ? "\r\n" : "") + lines[i];
    return text;
}

// The control may report while it is torn down (a window loses activation); nobody listens any more.
THIWin::~THIWin() {
    if (control_) control_->setListener(nullptr);
}

std::unique_ptr<ui::Control> THIWin::create() {
    ui::ControlSpec s = params();
    s.bounds = {Left_, Top_, Width_, Height_};
    if (TabStop) s.flags |= ui::style::TabStop;
    return ui::platform().toolkit().createControl(parent_, s);
}

void THIWin::init() {
    if (control_) return;
    control_ = create();
    control_->setListener(this);
    applyShared();
}

ui::Control& THIWin::control() {
    init();
    return *control_;
}

void THIWin::applyShared() {
    ui::Control& c = *control_;
    c.setName(Name);
    c.setColor(Color_);
    c.setBounds({Left_, Top_, Width_, Height_});
    c.setEnabled(Enabled);
    if (!Hint.empty()) c.setHint(Hint);
    if (!ParentFont)
        c.setFont(Font);
    else if (parent_)
        c.setFont(parent_->font());
    c.setBevel(Border);
    applyOwn();
    applyAlignment();
    applyVisible();
}

void THIWin::applyVisible() {
    control_->setVisible(Visible);
}

// Aligned controls take the parent's client area as it is at initialisation.
void THIWin::applyAlignment() {
    if (Alignment == Align::None || !parent_) return;
    const ui::Size area = parent_->clientSize();
    ui::Rect r = control_->bounds();
    switch (Alignment) {
        case Align::Top:
            r = {0, 0, area.width, r.height};
            break;
        case Align::Bottom:
            r = {0, area.height - r.height, area.width, r.height};
            break;
        case Align::Left:
            r = {0, 0, r.width, area.height};
            break;
        case Align::Right:
            r = {area.width - r.width, 0, r.width, area.height};
            break;
        case Align::Client:
            r = {0, 0, area.width, area.height};
            break;
        case Align::None:
            break;
    }
    control_->setBounds(r);
}

void THIWin::fireFromUser(const Point& point, TData data) {
    runGuarded([&] { fire(point, data); });
}

void THIWin::doColor(TData& data) {
    control().setColor(static_cast<ui::Color>(toInteger(data)));
}

void THIWin::doVisible(TData& data) {
    control().setVisible(isTrue(data));
}

void THIWin::doEnabled(TData& data) {
    control().setEnabled(isTrue(data));
}

void THIWin::setBounds(void (*change)(ui::Rect&, int), TData& data) {
    ui::Rect r = control().bounds();
    change(r, toInteger(data));
    control().setBounds(r);
}

void THIWin::doLeft(TData& data) {
    setBounds([](ui::Rect& r, int v) { r.left = v; }, data);
}
void THIWin::doTop(TData& data) {
    setBounds([](ui::Rect& r, int v) { r.top = v; }, data);
}
void THIWin::doWidth(TData& data) {
    setBounds([](ui::Rect& r, int v) { r.width = v; }, data);
}
void THIWin::doHeight(TData& data) {
    setBounds([](ui::Rect& r, int v) { r.height = v; }, data);
}

void THIWin::Handle(TData& data) {
    data = makeInteger(static_cast<std::int32_t>(control().handle()));
}
void THIWin::Left(TData& data) {
    data = makeInteger(control().bounds().left);
}
void THIWin::Top(TData& data) {
    data = makeInteger(control().bounds().top);
}
void THIWin::Width(TData& data) {
    data = makeInteger(control().bounds().width);
}
void THIWin::Height(TData& data) {
    data = makeInteger(control().bounds().height);
}

void THIWin::mouseDown(ui::MouseButton button, ui::Point) {
    lastButton_ = buttonNumber(button);
    fireFromUser(onMouseDown, makeInteger(lastButton_));
}

void THIWin::mouseUp(ui::MouseButton button, ui::Point) {
    fireFromUser(onMouseUp, makeInteger(buttonNumber(button)));
}

void THIWin::click() {
    fireFromUser(onClick, makeInteger(lastButton_));
}

void THIWin::mouseWheel(int delta) {
    fireFromUser(onMouseWheel, makeInteger(delta));
}

void THIWin::keyDown(int virtualKey) {
    fireFromUser(onKeyDown, makeInteger(virtualKey));
}

}  // namespace lr
