#include "ui/qt/qt_toolkit.h"

#include <QFontMetrics>
#include <QPalette>
#include <QToolTip>

#include "ui/qt/qt_control.h"
#include "ui/qt/qt_hotkey.h"
#include "ui/qt/qt_menu.h"
#include "ui/qt/qt_paint.h"
#include "ui/qt/qt_text.h"

namespace ui::qt {

QtToolkit::QtToolkit(const Screen& screen)
    : screen_(screen), parking_(std::make_unique<QWidget>()), hotKeys_(std::make_unique<HotKeyGrabber>()) {}

QtToolkit::~QtToolkit() = default;

std::unique_ptr<Window> QtToolkit::createWindow(const WindowSpec& params) {
    return std::make_unique<QtControl>(*this, params);
}

std::unique_ptr<Control> QtToolkit::createControl(Control* parent, const ControlSpec& params) {
    return std::make_unique<QtControl>(*this, static_cast<QtControl*>(parent), params);
}

std::unique_ptr<PopupMenu> QtToolkit::createPopupMenu() {
    return std::make_unique<QtMenu>(screen_);
}

std::unique_ptr<TrayIcon> QtToolkit::createTrayIcon(Window&) {
    return std::make_unique<QtTray>();
}

HotKeyRegistration QtToolkit::registerHotKey(int virtualKey, unsigned modifiers) {
    return hotKeys_->grab(virtualKey, modifiers);
}

Window* QtToolkit::windowFromHandle(std::intptr_t handle) const {
    const auto it = windows_.find(handle);
    return it == windows_.end() ? nullptr : it->second;
}

void QtToolkit::adopt(QtControl& window) {
    windows_[window.handle()] = &window;
}

void QtToolkit::forget(QtControl& window) {
    windows_.erase(window.handle());
}

void QtToolkit::setHintStyle(const HintStyle& style) {
    QPalette p = QToolTip::palette();
    p.setColor(QPalette::ToolTipBase, qtColor(screen_, style.background));
    p.setColor(QPalette::ToolTipText, qtColor(screen_, style.text));
    QToolTip::setPalette(p);
}

Size QtToolkit::textExtent(const Font& font, std::string_view text) const {
    const QFontMetrics metrics(qtFont(font));
    return {metrics.horizontalAdvance(toQt(text)), metrics.height()};
}

}  // namespace ui::qt
