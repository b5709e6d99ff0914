#include "ui/qt/qt_user.h"

#include <QAbstractSlider>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

#include "ui/qt/qt_control.h"
#include "ui/qt/qt_paint.h"
#include "ui/qt/qt_text.h"

namespace ui::qt {

namespace {
QWidget* widgetOf(Control& c) {
    return static_cast<QtControl&>(c).widget();
}

Qt::MouseButton qtButton(MouseButton b) {
    switch (b) {
        case MouseButton::Left:
            return Qt::LeftButton;
        case MouseButton::Right:
            return Qt::RightButton;
        case MouseButton::Middle:
            return Qt::MiddleButton;
        default:
            return Qt::NoButton;
    }
}

void sendMouse(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
    QMouseEvent e(type, QPointF(at), QPointF(w->mapToGlobal(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

QAbstractSlider::SliderAction sliderAction(ScrollCode code) {
    switch (code) {
        case ScrollCode::LineUp:
            return QAbstractSlider::SliderSingleStepSub;
        case ScrollCode::LineDown:
            return QAbstractSlider::SliderSingleStepAdd;
        case ScrollCode::PageUp:
            return QAbstractSlider::SliderPageStepSub;
        case ScrollCode::PageDown:
            return QAbstractSlider::SliderPageStepAdd;
        case ScrollCode::Top:
            return QAbstractSlider::SliderToMinimum;
        case ScrollCode::Bottom:
            return QAbstractSlider::SliderToMaximum;
        default:
            return QAbstractSlider::SliderNoAction;
    }
}
}  // namespace

void click(Control& c, MouseButton button, Point at) {
    QWidget* w = widgetOf(c);
    const QPoint p(at.x, at.y);
    sendMouse(w, QEvent::MouseButtonPress, p, qtButton(button), qtButton(button));
    sendMouse(w, QEvent::MouseButtonRelease, p, qtButton(button), Qt::NoButton);
}

void dragBy(Control& c, int dx, int dy) {
    QWidget* w = widgetOf(c);
    const QPoint from(2, 2), to(2 + dx, 2 + dy);
    sendMouse(w, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    sendMouse(w, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    sendMouse(w, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
}

void typeText(Control& c, std::string_view text) {
    QWidget* w = widgetOf(c);
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        edit->selectAll();
        edit->insert(toQt(text));
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(w)) {
        memo->selectAll();
        memo->insertPlainText(toQt(text));
    }
}

void pressKey(Control& c, int virtualKey) {
    QKeyEvent e(QEvent::KeyPress, virtualKey, Qt::NoModifier);
    QApplication::sendEvent(widgetOf(c), &e);
}

void step(Control& c, ScrollCode code) {
    if (auto* slider = qobject_cast<QAbstractSlider*>(widgetOf(c))) slider->triggerAction(sliderAction(code));
}

void pick(Control& c, int index) {
    if (auto* combo = qobject_cast<QComboBox*>(widgetOf(c))) {
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
}

Image capture(Control& c) {
    QWidget* w = widgetOf(c);
    return imageOf(w->grab().toImage().scaled(w->size()));
}

Image captureScreen(Rect area) {
    QScreen* screen = QGuiApplication::primaryScreen();
    return imageOf(screen->grabWindow(0, area.left, area.top, area.width, area.height).toImage());
}

bool seeThrough(Control& window, Point at) {
    const QRegion mask = widgetOf(window)->mask();
    return !mask.isEmpty() && !mask.contains(QPoint(at.x, at.y));
}

Control* shownWindow(std::string_view caption) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->windowTitle() == toQt(caption)) return QtControl::from(w);
    return nullptr;
}

bool clickCaption(Control& window, std::string_view caption) {
    for (QWidget* w : widgetOf(window)->findChildren<QWidget*>()) {
        QtControl* c = QtControl::from(w);
        if (!c || c->text() != caption || !w->isVisible()) continue;
        const Size size = c->clientSize();
        click(*c, MouseButton::Left, {size.width / 2, size.height / 2});
        return true;
    }
    return false;
}

bool chooseMenuItem(std::string_view text) {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!menu) return false;
    for (QAction* action : menu->actions()) {
        if (action->text() != toQt(text)) continue;
        menu->setActiveAction(action);
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(menu, &enter);
        return true;
    }
    return false;
}

bool answerModal() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->defaultButton()) return false;
    box->defaultButton()->click();
    return true;
}

void settle() {
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents(QEventLoop::AllEvents);
}

}  // namespace ui::qt
