#include "ui/headless/headless_toolkit.h"

#include <algorithm>

namespace ui::headless {

namespace {
void setCheckedIn(std::vector<MenuItem>& items, int id, bool on) {
    for (MenuItem& item : items) {
        if (item.id == id && item.children.empty()) item.checked = on;
        setCheckedIn(item.children, id, on);
    }
}

const MenuItem* findIn(const std::vector<MenuItem>& items, std::string_view text) {
    for (const MenuItem& item : items) {
        if (item.text == text) return &item;
        if (const MenuItem* inner = findIn(item.children, text)) return inner;
    }
    return nullptr;
}

class HeadlessHotKey : public HotKey {
  public:
    HeadlessHotKey(HeadlessToolkit& toolkit, std::pair<int, unsigned> key) : toolkit_(toolkit), key_(key) {}
    ~HeadlessHotKey() override { toolkit_.forget(key_); }

  private:
    HeadlessToolkit& toolkit_;
    std::pair<int, unsigned> key_;
};
}  // namespace

HeadlessMenu::~HeadlessMenu() {
    toolkit_.forget(*this);
}

void HeadlessMenu::setChecked(int id, bool on) {
    setCheckedIn(items_, id, on);
}

void HeadlessMenu::popup(Point screen) {
    open_ = true;
    openedAt_ = screen;
}

void HeadlessMenu::choose(int id) {
    if (!open_) return;
    open_ = false;
    if (onChoose) onChoose(id);
}

const MenuItem* HeadlessMenu::find(std::string_view text) const {
    return findIn(items_, text);
}

HeadlessTray::~HeadlessTray() {
    toolkit_.forget(*this);
}

void HeadlessTray::setTip(std::string tip) {
    if (tip.size() > 63) tip.resize(63);
    tip_ = std::move(tip);
}

void HeadlessTray::send(TrayEvent event, MouseButton button) {
    if (shown_ && onEvent) onEvent(event, button);
}

std::unique_ptr<Window> HeadlessToolkit::createWindow(const WindowSpec& params) {
    auto window = std::make_unique<HeadlessControl>(*this, nullptr, ControlKind::Window, nextHandle_++);
    window->setVisible(false);
    window->setBounds(params.bounds);
    window->setText(params.caption);
    window->setBorder(params.border);
    window->setColor(params.color);
    return window;
}

std::unique_ptr<Control> HeadlessToolkit::createControl(Control* parent, const ControlSpec& params) {
    auto control = std::make_unique<HeadlessControl>(*this, static_cast<HeadlessControl*>(parent),
                                                     params.kind, nextHandle_++);
    control->setBounds(params.bounds);
    control->setText(params.text);
    return control;
}

std::unique_ptr<PopupMenu> HeadlessToolkit::createPopupMenu() {
    auto menu = std::make_unique<HeadlessMenu>(*this);
    menus_.push_back(menu.get());
    return menu;
}

std::unique_ptr<TrayIcon> HeadlessToolkit::createTrayIcon(Window&) {
    auto tray = std::make_unique<HeadlessTray>(*this);
    trays_.push_back(tray.get());
    return tray;
}

HotKeyRegistration HeadlessToolkit::registerHotKey(int virtualKey, unsigned modifiers) {
    const std::pair key{virtualKey, modifiers};
    if (hotKeys_.count(key)) return {nullptr, 3};
    auto hotKey = std::make_unique<HeadlessHotKey>(*this, key);
    hotKeys_[key] = hotKey.get();
    return {std::move(hotKey), 0};
}

bool HeadlessToolkit::pressHotKey(int virtualKey, unsigned modifiers) {
    const auto it = hotKeys_.find({virtualKey, modifiers});
    if (it == hotKeys_.end() || !it->second) return false;
    if (it->second->onPressed) it->second->onPressed();
    return true;
}

void HeadlessToolkit::takeHotKeyElsewhere(int virtualKey, unsigned modifiers) {
    hotKeys_[{virtualKey, modifiers}] = nullptr;
}

// A fixed metric: characters half as wide as the font is high, lines as high as the font.
Size HeadlessToolkit::textExtent(const Font& font, std::string_view text) const {
    const int height = -fontHeight(font.sizePt, screen_.pixelsPerInch());
    return {static_cast<int>(text.size()) * std::max(height / 2, 1), height};
}

std::vector<HeadlessControl*> HeadlessToolkit::windows() const {
    std::vector<HeadlessControl*> out;
    for (HeadlessControl* c : controls_)
        if (c->kind() == ControlKind::Window) out.push_back(c);
    return out;
}

HeadlessControl* HeadlessToolkit::fromHandle(std::intptr_t handle) const {
    const auto it = std::find_if(controls_.begin(), controls_.end(),
                                 [handle](const HeadlessControl* c) { return c->handle() == handle; });
    return it == controls_.end() ? nullptr : *it;
}

Window* HeadlessToolkit::windowFromHandle(std::intptr_t handle) const {
    HeadlessControl* c = fromHandle(handle);
    return c && c->kind() == ControlKind::Window ? c : nullptr;
}

HeadlessMenu* HeadlessToolkit::openMenu() const {
    for (auto it = menus_.rbegin(); it != menus_.rend(); ++it)
        if ((*it)->open()) return *it;
    return nullptr;
}

void HeadlessToolkit::release(HeadlessControl& c) {
    std::erase(controls_, &c);
    if (active_ == &c) active_ = nullptr;
}

void HeadlessToolkit::activate(HeadlessControl& window) {
    if (active_ == &window) return;
    HeadlessControl* previous = active_;
    active_ = &window;
    if (previous && previous->listener()) previous->listener()->activated(false);
    if (window.listener()) window.listener()->activated(true);
}

}  // namespace ui::headless
