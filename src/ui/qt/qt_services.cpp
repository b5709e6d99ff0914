#include "ui/qt/qt_services.h"

#include <QColorDialog>
#include <QCursor>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <algorithm>

#include "ui/qt/qt_control.h"
#include "ui/qt/qt_paint.h"
#include "ui/qt/qt_text.h"

namespace ui::qt {

namespace {
struct BoxButton {
    QMessageBox::StandardButton button;
    Answer answer;
};

std::vector<BoxButton> boxButtons(Buttons b) {
    using B = QMessageBox;
    switch (b) {
        case Buttons::Ok:
            return {{B::Ok, Answer::Ok}};
        case Buttons::OkCancel:
            return {{B::Ok, Answer::Ok}, {B::Cancel, Answer::Cancel}};
        case Buttons::YesNo:
            return {{B::Yes, Answer::Yes}, {B::No, Answer::No}};
        case Buttons::YesNoCancel:
            return {{B::Yes, Answer::Yes}, {B::No, Answer::No}, {B::Cancel, Answer::Cancel}};
        case Buttons::RetryCancel:
            return {{B::Retry, Answer::Retry}, {B::Cancel, Answer::Cancel}};
        case Buttons::AbortRetryIgnore:
            return {{B::Abort, Answer::Abort}, {B::Retry, Answer::Retry}, {B::Ignore, Answer::Ignore}};
    }
    return {{B::Ok, Answer::Ok}};
}

QMessageBox::Icon boxIcon(Icon i) {
    switch (i) {
        case Icon::Error:
            return QMessageBox::Critical;
        case Icon::Question:
            return QMessageBox::Question;
        case Icon::Warning:
            return QMessageBox::Warning;
        case Icon::Information:
            return QMessageBox::Information;
        case Icon::None:
            return QMessageBox::NoIcon;
    }
    return QMessageBox::NoIcon;
}

QWidget* ownerOf(Window* w) {
    return w ? static_cast<QtControl*>(w)->widget() : nullptr;
}

// "Schemes|*.lsc|All|*.*" to "Schemes (*.lsc);;All (*.*)".
QString qtFilter(const std::string& filter) {
    const QStringList parts = toQt(filter).split('|');
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        out << parts[i] + " (" + QString(parts[i + 1]).replace(';', ' ') + ")";
    return out.join(";;");
}

QString startPath(const FileDialogSpec& params) {
    if (params.initialDir.empty()) return toQt(params.fileName);
    return toQt(params.initialDir) + (params.fileName.empty() ? QString() : "/" + toQt(params.fileName));
}

std::optional<std::string> chosen(const QString& path) {
    if (path.isEmpty()) return std::nullopt;
    return fromQt(path);
}
}  // namespace

// Timers and posted tasks keep running in the box's own loop.
Answer QtMessageBoxes::show(const MessageBoxSpec& params) {
    QMessageBox box(boxIcon(params.icon), toQt(params.caption), toQt(params.text));
    const std::vector<BoxButton> buttons = boxButtons(params.buttons);
    for (const BoxButton& b : buttons)
        box.addButton(b.button);
    box.setDefaultButton(buttons[static_cast<std::size_t>(std::clamp(params.defaultButton, 0,
                                                                     static_cast<int>(buttons.size()) - 1))]
                             .button);
    const auto pressed = static_cast<QMessageBox::StandardButton>(box.exec());
    for (const BoxButton& b : buttons)
        if (b.button == pressed) return b.answer;
    return Answer::Cancel;  // closed without a button
}

bool QtKeyboard::isKeyDown(int virtualKey) const {
    const Qt::KeyboardModifiers mods = QGuiApplication::queryKeyboardModifiers();
    const Qt::MouseButtons mouse = QGuiApplication::mouseButtons();
    switch (virtualKey) {
        case 0x01:
            return (mouse & Qt::LeftButton) != 0;
        case 0x02:
            return (mouse & Qt::RightButton) != 0;
        case 0x04:
            return (mouse & Qt::MiddleButton) != 0;
        case 0x10:
            return (mods & Qt::ShiftModifier) != 0;
        case 0x11:
            return (mods & Qt::ControlModifier) != 0;
        case 0x12:
            return (mods & Qt::AltModifier) != 0;
        default:
            return false;
    }
}

namespace {
Rect rectOf(const QRect& r) {
    return {r.x(), r.y(), r.width(), r.height()};
}
}  // namespace

Size QtScreen::size() const {
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? Size{s->geometry().width(), s->geometry().height()} : Size{1024, 768};
}

Rect QtScreen::workArea() const {
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? rectOf(s->availableGeometry()) : Rect{0, 0, 1024, 768};
}

Point QtScreen::cursor() const {
    const QPoint p = QCursor::pos();
    return {p.x(), p.y()};
}

std::vector<Rect> QtScreen::monitors() const {
    std::vector<Rect> out;
    const QScreen* primary = QGuiApplication::primaryScreen();
    for (const QScreen* s : QGuiApplication::screens())
        out.insert(s == primary ? out.begin() : out.end(), rectOf(s->geometry()));
    return out.empty() ? Screen::monitors() : out;
}

std::optional<Color> QtDialogs::chooseColor(Window* owner, Color initial) {
    const Color start = initial & 0xFFFFFFu;
    const QColor c =
        QColorDialog::getColor(QColor(redOf(start), greenOf(start), blueOf(start)), ownerOf(owner));
    if (!c.isValid()) return std::nullopt;
    return rgb(c.red(), c.green(), c.blue());
}

std::optional<std::string> QtDialogs::openFile(Window* owner, const FileDialogSpec& params) {
    return chosen(QFileDialog::getOpenFileName(ownerOf(owner), toQt(params.title), startPath(params),
                                               qtFilter(params.filter)));
}

std::optional<std::string> QtDialogs::saveFile(Window* owner, const FileDialogSpec& params) {
    QFileDialog dialog(ownerOf(owner), toQt(params.title), startPath(params), qtFilter(params.filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(toQt(params.defaultExt));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return chosen(dialog.selectedFiles().front());
}

}  // namespace ui::qt
