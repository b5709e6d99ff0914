#include "ui/qt/qt_menu.h"

#include <QPixmap>
#include <iostream>

#include "ui/qt/qt_paint.h"
#include "ui/qt/qt_text.h"

namespace ui::qt {

namespace {
QString css(const Screen& screen, Color c) {
    return qtColor(screen, c).name();
}
}  // namespace

QtMenu::QtMenu(const Screen& screen) : screen_(screen), menu_(std::make_unique<QMenu>()) {}

QtMenu::~QtMenu() = default;

void QtMenu::setItems(std::vector<MenuItem> items) {
    menu_->clear();
    fill(*menu_, items);
}

// Actions and submenus are children of the menu, which deletes them.
void QtMenu::fill(QMenu& menu, const std::vector<MenuItem>& items) {
    for (const MenuItem& item : items) {
        if (item.separator) {
            menu.addSeparator();
            continue;
        }
        if (!item.children.empty()) {
            fill(*menu.addMenu(toQt(item.text)), item.children);
            continue;
        }
        QAction* action = menu.addAction(toQt(item.text));
        action->setData(item.id);
        action->setCheckable(item.checked);
        action->setChecked(item.checked);
        action->setEnabled(item.enabled);
        if (!item.bitmap.empty())
            action->setIcon(QPixmap::fromImage(qtImage(item.bitmap, item.bitmap.pixel(0, 0))));
    }
}

void QtMenu::setStyle(const MenuStyle& style) {
    style_ = style;
    menu_->setFont(qtFont(style.font));
    menu_->setStyleSheet(QStringLiteral("QMenu { background: %1; color: %2; }"
                                        "QMenu::item:selected { background: %3; color: %4; }"
                                        "QMenu::item:disabled { color: %5; }"
                                        "QMenu::separator { height: 1px; background: %6; margin: 3px 4px; }")
                             .arg(css(screen_, style.background), css(screen_, style.text),
                                  css(screen_, style.highlight), css(screen_, style.highlightText),
                                  css(screen_, style.disabledText), css(screen_, style.separator)));
}

void QtMenu::setChecked(int id, bool on) {
    for (QAction* action : menu_->findChildren<QAction*>())
        if (action->data().isValid() && action->data().toInt() == id) {
            action->setCheckable(on || action->isCheckable());
            action->setChecked(on);
        }
}

// Modal as on Windows: the choice is reported before popup() returns.
void QtMenu::popup(Point screen) {
    QAction* chosen = menu_->exec(QPoint(screen.x, screen.y));
    if (chosen && chosen->data().isValid() && onChoose) onChoose(chosen->data().toInt());
}

QtTray::QtTray() {
    QObject::connect(&icon_, &QSystemTrayIcon::activated, &icon_,
                     [this](QSystemTrayIcon::ActivationReason reason) { report(reason); });
}

QtTray::~QtTray() {
    icon_.hide();
}

void QtTray::show() {
    if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        if (!told_) std::cerr << "lumenrig: no system tray on this desktop; the window stays the way back\n";
        told_ = true;  // once, however often the program asks
        return;
    }
    icon_.show();
}

bool QtTray::shown() const {
    return icon_.isVisible() && QSystemTrayIcon::isSystemTrayAvailable();
}

void QtTray::setTip(std::string tip) {
    if (tip.size() > 63) tip.resize(63);
    icon_.setToolTip(toQt(tip));
}

void QtTray::setIcon(const Image& icon) {
    icon_.setIcon(icon.empty() ? QIcon() : QIcon(QPixmap::fromImage(qtImage(icon))));
}

// Qt reports activations, not presses; each becomes the press, release and click a user made.
void QtTray::report(QSystemTrayIcon::ActivationReason reason) {
    if (!onEvent) return;
    if (reason == QSystemTrayIcon::DoubleClick) return onEvent(TrayEvent::DoubleClick, MouseButton::Left);
    const MouseButton button = reason == QSystemTrayIcon::Context       ? MouseButton::Right
                               : reason == QSystemTrayIcon::MiddleClick ? MouseButton::Middle
                                                                        : MouseButton::Left;
    for (TrayEvent e : {TrayEvent::Down, TrayEvent::Up, TrayEvent::Click})
        onEvent(e, button);
}

}  // namespace ui::qt
