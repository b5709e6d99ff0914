#include "ui/headless/user.h"

#include <algorithm>

namespace ui::headless {

namespace {
ControlListener* listenerOf(HeadlessControl& c) {
    static ControlListener none;
    return c.listener() ? c.listener() : &none;
}

bool isButton(ControlKind k) {
    return k == ControlKind::BitmapButton || k == ControlKind::ImageButton || k == ControlKind::CheckBox;
}

bool isSlider(ControlKind k) {
    return k == ControlKind::TrackBar || k == ControlKind::ScrollBar;
}

int motion(const HeadlessControl& c, ScrollCode code) {
    switch (code) {
        case ScrollCode::LineUp:
            return c.position() - c.lineSize();
        case ScrollCode::LineDown:
            return c.position() + c.lineSize();
        case ScrollCode::PageUp:
            return c.position() - c.pageSize();
        case ScrollCode::PageDown:
            return c.position() + c.pageSize();
        case ScrollCode::Top:
            return c.rangeMin();
        case ScrollCode::Bottom:
            return c.rangeMax();
        default:
            return c.position();
    }
}
}  // namespace

Match byCaption(std::string_view caption) {
    return [caption = std::string(caption)](const HeadlessControl& c) { return c.text() == caption; };
}
Match byHint(std::string_view hint) {
    return [hint = std::string(hint)](const HeadlessControl& c) { return c.hint() == hint; };
}
Match byName(std::string_view name) {
    return [name = std::string(name)](const HeadlessControl& c) { return c.name() == name; };
}
Match byKind(ControlKind kind) {
    return [kind](const HeadlessControl& c) { return c.kind() == kind; };
}

HeadlessControl* find(HeadlessControl& root, const Match& match) {
    if (match(root)) return &root;
    for (HeadlessControl* child : root.children())
        if (HeadlessControl* found = find(*child, match)) return found;
    return nullptr;
}

HeadlessControl* findAnywhere(const HeadlessToolkit& toolkit, const Match& match) {
    for (HeadlessControl* window : toolkit.windows())
        if (HeadlessControl* found = find(*window, match)) return found;
    return nullptr;
}

HeadlessControl* childAt(const HeadlessControl& parent, std::size_t index) {
    return index < parent.children().size() ? parent.children()[index] : nullptr;
}

HeadlessControl& asHeadless(Control& c) {
    return static_cast<HeadlessControl&>(c);
}

bool reachable(const HeadlessControl& c) {
    return c.shownOnScreen() && c.enabled();
}

bool click(Control& control, MouseButton button, Point at) {
    HeadlessControl& c = asHeadless(control);
    if (!reachable(c)) return false;
    ControlListener* l = listenerOf(c);
    l->mouseDown(button, at);
    if (button == MouseButton::Left && c.kind() == ControlKind::Window && c.dragAnywhere()) c.startMove();
    l->mouseUp(button, at);
    if (isButton(c.kind()) && button != MouseButton::Left) return true;
    if (c.kind() == ControlKind::CheckBox) {
        c.setChecked(!c.checked());
        l->changed();
    }
    l->click();
    return true;
}

bool check(Control& control, bool on) {
    HeadlessControl& c = asHeadless(control);
    if (c.kind() != ControlKind::CheckBox) return false;
    return c.checked() == on ? reachable(c) : click(c);
}

bool pick(Control& control, int index) {
    HeadlessControl& c = asHeadless(control);
    if (!reachable(c) || index < 0 || index >= static_cast<int>(c.items().size())) return false;
    c.setSelected(index);
    listenerOf(c)->changed();
    return true;
}

bool pick(Control& control, std::string_view item) {
    const auto items = control.items();
    const auto it = std::find(items.begin(), items.end(), item);
    return it != items.end() && pick(control, static_cast<int>(it - items.begin()));
}

bool drag(Control& control, std::initializer_list<int> positions) {
    HeadlessControl& c = asHeadless(control);
    if (!reachable(c) || !isSlider(c.kind())) return false;
    ControlListener* l = listenerOf(c);
    for (int p : positions) {
        c.setPosition(p);
        l->scrolled(ScrollCode::ThumbTrack, c.position());
    }
    l->scrolled(ScrollCode::ThumbPosition, c.position());
    l->scrolled(ScrollCode::EndScroll, c.position());
    return true;
}

bool scroll(Control& control, ScrollCode code) {
    HeadlessControl& c = asHeadless(control);
    if (!reachable(c) || !isSlider(c.kind())) return false;
    c.setPosition(motion(c, code));
    listenerOf(c)->scrolled(code, c.position());
    listenerOf(c)->scrolled(ScrollCode::EndScroll, c.position());
    return true;
}

bool type(Control& control, std::string_view text) {
    HeadlessControl& c = asHeadless(control);
    if (!reachable(c) || (c.kind() != ControlKind::Edit && c.kind() != ControlKind::Memo)) return false;
    c.setText(std::string(text));
    listenerOf(c)->changed();
    return true;
}

bool pressKey(Control& control, int virtualKey) {
    HeadlessControl& c = asHeadless(control);
    if (!reachable(c)) return false;
    listenerOf(c)->keyDown(virtualKey);
    return true;
}

bool wheel(Control& control, int delta) {
    HeadlessControl& c = asHeadless(control);
    if (!reachable(c)) return false;
    listenerOf(c)->mouseWheel(delta);
    return true;
}

bool hover(Control& control) {
    HeadlessControl& c = asHeadless(control);
    if (!reachable(c)) return false;
    listenerOf(c)->mouseEnter();
    return true;
}

bool leave(Control& control) {
    HeadlessControl& c = asHeadless(control);
    listenerOf(c)->mouseLeave();
    return true;
}

bool dragWindow(Window& window, int dx, int dy) {
    HeadlessControl& c = asHeadless(window);
    if (!reachable(c)) return false;
    ControlListener* l = listenerOf(c);
    l->mouseDown(MouseButton::Left, {1, 1});
    if (c.dragAnywhere()) c.startMove();
    if (c.moving()) {
        const Rect r = c.bounds();
        c.setBounds({r.left + dx, r.top + dy, r.width, r.height});
        c.endMove();
    }
    l->mouseUp(MouseButton::Left, {1, 1});
    return true;
}

bool chooseMenuItem(HeadlessToolkit& toolkit, std::string_view text) {
    HeadlessMenu* menu = toolkit.openMenu();
    const MenuItem* item = menu ? menu->find(text) : nullptr;
    if (!item || item->separator || !item->enabled) return false;
    menu->choose(item->id);
    return true;
}

}  // namespace ui::headless
