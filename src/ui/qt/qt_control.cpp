#include "ui/qt/qt_control.h"

#include <QAbstractSlider>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QTimer>
#include <QTreeWidget>
#include <algorithm>

#include "ui/qt/qt_paint.h"
#include "ui/qt/qt_text.h"
#include "ui/qt/qt_toolkit.h"
#include "ui/qt/qt_widgets.h"

namespace ui::qt {

namespace {
constexpr char ControlProperty[] = "lumenrig.control";
constexpr int BoxBarWidth = 17;

bool isPushButton(ControlKind k) {
    return k == ControlKind::BitmapButton || k == ControlKind::ImageButton || k == ControlKind::CheckBox;
}

// Kinds that use the left button themselves, so a press on them never moves the window.
bool usesMouse(ControlKind k) {
    return isPushButton(k) || k == ControlKind::Edit || k == ControlKind::Memo ||
           k == ControlKind::ComboBox || k == ControlKind::TrackBar || k == ControlKind::ScrollBar ||
           k == ControlKind::ListView;
}

MouseButton buttonOf(Qt::MouseButton b) {
    switch (b) {
        case Qt::LeftButton:
            return MouseButton::Left;
        case Qt::RightButton:
            return MouseButton::Right;
        case Qt::MiddleButton:
            return MouseButton::Middle;
        default:
            return MouseButton::Other;
    }
}

ScrollCode scrollCode(int action) {
    switch (action) {
        case QAbstractSlider::SliderSingleStepSub:
            return ScrollCode::LineUp;
        case QAbstractSlider::SliderSingleStepAdd:
            return ScrollCode::LineDown;
        case QAbstractSlider::SliderPageStepSub:
            return ScrollCode::PageUp;
        case QAbstractSlider::SliderPageStepAdd:
            return ScrollCode::PageDown;
        case QAbstractSlider::SliderToMinimum:
            return ScrollCode::Top;
        case QAbstractSlider::SliderToMaximum:
            return ScrollCode::Bottom;
        default:
            return ScrollCode::ThumbTrack;
    }
}

QStringList cellsOf(std::string_view row) {
    QStringList cells;
    for (std::size_t start = 0; start <= row.size();) {
        const std::size_t tab = std::min(row.find('\t', start), row.size());
        cells << toQt(row.substr(start, tab - start));
        start = tab + 1;
    }
    return cells;
}

}  // namespace

QtControl::QtControl(QtToolkit& toolkit, QtControl* parent, const ControlSpec& params)
    : toolkit_(toolkit), kind_(params.kind), flags_(params.flags) {
    if (parent) font_ = parent->font_;
    build(parent ? parent->childHost() : toolkit.parking(), params);
    widget_->show();
    setText(params.text);
}

QtControl::QtControl(QtToolkit& toolkit, const WindowSpec& params)
    : toolkit_(toolkit), kind_(ControlKind::Window), color_(params.color), border_(params.border) {
    QWidget* owner = params.owner ? static_cast<QtControl*>(params.owner)->widget_.data() : nullptr;
    build(owner, {ControlKind::Window, params.bounds, {}, 0});
    applyWindowFlags(border_, false);
    setText(params.caption);
    toolkit_.adopt(*this);
}

void QtControl::build(QWidget* parent, const ControlSpec& params) {
    std::unique_ptr<QWidget> made = nativeWidget(*this, kind_, flags_);
    made->setProperty(ControlProperty, QVariant::fromValue(static_cast<void*>(this)));
    made->setAttribute(Qt::WA_Hover);
    // A native child keeps its mouse messages; they never reach the parent's listener.
    if (kind_ != ControlKind::Window) made->setAttribute(Qt::WA_NoMousePropagation);
    if (parent)
        made->setParent(parent, kind_ == ControlKind::Window ? made->windowFlags() | Qt::Window : Qt::Widget);
    handle_ = reinterpret_cast<std::intptr_t>(made.get());
    widget_ = made.release();  // the parent widget owns it; the destructor deletes it first if still alive
    filter_ = std::make_unique<EventBridge>(*this);
    watch(widget_);
    if (auto* area = qobject_cast<QAbstractScrollArea*>(widget_.data())) watch(area->viewport());
    if (kind_ == ControlKind::ScrollBox) {
        content_ = new QWidget(widget_);  // owned by widget_; unpainted, so the box's own fill and frame show
        boxBar_ = new QScrollBar(Qt::Vertical, widget_);
        boxBar_->hide();  // until there is more than fits
        QObject::connect(boxBar_, &QScrollBar::actionTriggered, widget_, [this](int action) {
            boxBar_->setValue(boxBar_->sliderPosition());
            reportScroll(scrollCode(action));
        });
        QObject::connect(boxBar_, &QScrollBar::valueChanged, widget_,
                         [this](int pos) { content_->move(0, -pos); });
    }
    setBounds(params.bounds);
    setFont(font_);
    applyPalette();
    connectSignals();
}

void QtControl::watch(QObject* target) {
    target->installEventFilter(filter_.get());
}

// Children that are controls of their own outlive this widget only if the caller broke the order;
// park them so that deleting this widget never deletes theirs.
QtControl::~QtControl() {
    listener_ = nullptr;
    if (kind_ == ControlKind::Window) toolkit_.forget(*this);
    if (!widget_) return;
    for (QObject* child : childHost()->children())
        if (auto* w = qobject_cast<QWidget*>(child); w && from(w)) {
            w->hide();
            w->setParent(toolkit_.parking());
        }
    // Nothing of this control may run while its widgets go.
    filter_.reset();
    QObject::disconnect(widget_, nullptr, widget_, nullptr);
    if (boxBar_) QObject::disconnect(boxBar_, nullptr, widget_, nullptr);
    std::unique_ptr<QWidget> owned(widget_.data());
}

QtControl* QtControl::from(const QObject* widget) {
    return widget ? static_cast<QtControl*>(widget->property(ControlProperty).value<void*>()) : nullptr;
}

ControlListener& QtControl::listener() {
    static ControlListener none;
    return listener_ ? *listener_ : none;
}

void QtControl::connectSignals() {
    QWidget* w = widget_;
    if (auto* box = qobject_cast<QCheckBox*>(w)) {
        QObject::connect(box, &QCheckBox::clicked, w, [this] {
            listener().changed();
            listener().click();
        });
    } else if (auto* button = qobject_cast<QPushButton*>(w)) {
        QObject::connect(button, &QPushButton::clicked, w, [this] { listener().click(); });
    } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        QObject::connect(edit, &QLineEdit::textChanged, w, [this] {
            if (!settingText_) listener().changed();
        });
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(w)) {
        QObject::connect(memo, &QPlainTextEdit::textChanged, w, [this] {
            if (!settingText_) listener().changed();
        });
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        QObject::connect(combo, &QComboBox::activated, w, [this] { listener().changed(); });
    } else if (auto* slider = qobject_cast<QAbstractSlider*>(w)) {
        // The action comes before the value moves; move it first so the listener reads the new one.
        // A step ends at once; a drag ends when the thumb is let go.
        QObject::connect(slider, &QAbstractSlider::actionTriggered, w, [this, slider](int action) {
            slider->setValue(slider->sliderPosition());
            reportScroll(scrollCode(action));
            if (action != QAbstractSlider::SliderMove) reportScroll(ScrollCode::EndScroll);
        });
        QObject::connect(slider, &QAbstractSlider::sliderReleased, w, [this] {
            reportScroll(ScrollCode::ThumbPosition);
            reportScroll(ScrollCode::EndScroll);
        });
    } else if (auto* list = qobject_cast<QTreeWidget*>(w)) {
        QObject::connect(list, &QTreeWidget::itemSelectionChanged, w, [this] {
            if (selected() >= 0) listener().changed();
        });
    }
}

void QtControl::reportScroll(ScrollCode code) {
    listener().scrolled(code, position());
}

Rect QtControl::bounds() const {
    const QRect g = widget_->geometry();
    return {g.x(), g.y(), g.width(), g.height()};
}

Point QtControl::screenPosition() const {
    const QPoint at = widget_->mapToGlobal(QPoint(0, 0));
    return {at.x(), at.y()};
}

void QtControl::setBounds(Rect r) {
    widget_->setGeometry(r.left, r.top, std::max(r.width, 0), std::max(r.height, 0));
    if (kind_ == ControlKind::ScrollBox) {
        boxBar_->setGeometry(r.width - BoxBarWidth, 0, BoxBarWidth, r.height);
        content_->resize(r.width - BoxBarWidth, std::max(content_->height(), r.height));
    }
}

Size QtControl::clientSize() const {
    const QRect c = widget_->contentsRect();
    return {c.width() - (boxBar_ && !boxBar_->isHidden() ? BoxBarWidth : 0), c.height()};
}

bool QtControl::visible() const {
    return kind_ == ControlKind::Window ? widget_->isVisible() : !widget_->isHidden();
}

void QtControl::setVisible(bool on) {
    widget_->setVisible(on);
}

void QtControl::applyPalette() {
    const Screen& screen = toolkit_.screen();
    QPalette p = widget_->palette();
    const QColor back = qtColor(screen, color_), fore = qtColor(screen, font_.color);
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button})
        p.setColor(role, back);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(role, fore);
    widget_->setPalette(p);
    widget_->setAutoFillBackground(kind_ == ControlKind::Label || kind_ == ControlKind::CheckBox);
    widget_->update();
}

void QtControl::setColor(Color c) {
    color_ = c;
    applyPalette();
}

void QtControl::setFont(const Font& f) {
    font_ = f;
    widget_->setFont(qtFont(f));
    applyPalette();
}

std::string QtControl::text() const {
    QWidget* w = widget_;
    if (auto* combo = qobject_cast<QComboBox*>(w)) return fromQt(combo->currentText());
    if (auto* edit = qobject_cast<QLineEdit*>(w)) return fromQt(edit->text());
    if (auto* memo = qobject_cast<QPlainTextEdit*>(w))
        return fromQt(memo->toPlainText().replace('\n', "\r\n"));
    return text_;
}

void QtControl::setText(std::string s) {
    text_ = std::move(s);
    const QString q = toQt(text_);
    settingText_ = true;
    QWidget* w = widget_;
    if (kind_ == ControlKind::Window) w->setWindowTitle(q);
    if (auto* label = qobject_cast<QLabel*>(w)) label->setText(q);
    if (auto* button = qobject_cast<QAbstractButton*>(w)) button->setText(q);
    if (auto* edit = qobject_cast<QLineEdit*>(w)) edit->setText(q);
    if (auto* memo = qobject_cast<QPlainTextEdit*>(w)) memo->setPlainText(QString(q).remove('\r'));
    settingText_ = false;
    w->update();
}

void QtControl::setHint(std::string s) {
    hint_ = std::move(s);
    widget_->setToolTip(toQt(hint_));
}

void QtControl::setBevel(Bevel b) {
    bevel_ = b;
    widget_->update();
}

// A colour-key window cuts its mask anew after each repaint of itself or of a child.
void QtControl::invalidate() {
    widget_->update();
    if (QtControl* window = top()) window->queueMask();
}

void QtControl::queueMask() {
    if (!key_ || maskQueued_) return;
    maskQueued_ = true;  // after the paint, so the mask follows what was drawn
    QTimer::singleShot(0, widget_, [this] { updateMask(); });
}

bool QtControl::checked() const {
    auto* box = qobject_cast<QCheckBox*>(widget_.data());
    return box && box->isChecked();
}

void QtControl::setChecked(bool on) {
    if (auto* box = qobject_cast<QCheckBox*>(widget_.data())) box->setChecked(on);
}

std::vector<std::string> QtControl::items() const {
    std::vector<std::string> out;
    if (auto* combo = qobject_cast<QComboBox*>(widget_.data())) {
        for (int i = 0; i < combo->count(); ++i)
            out.push_back(fromQt(combo->itemText(i)));
    } else if (auto* list = qobject_cast<QTreeWidget*>(widget_.data())) {
        for (int row = 0; row < list->topLevelItemCount(); ++row) {
            QStringList cells;
            for (int col = 0; col < std::max(list->columnCount(), 1); ++col)
                cells << list->topLevelItem(row)->text(col);
            out.push_back(fromQt(cells.join('\t')));
        }
    }
    return out;
}

void QtControl::setItems(std::vector<std::string> items) {
    if (auto* combo = qobject_cast<QComboBox*>(widget_.data())) combo->clear();
    if (auto* list = qobject_cast<QTreeWidget*>(widget_.data())) list->clear();
    for (std::string& item : items)
        addItem(std::move(item));
}

void QtControl::addItem(std::string item) {
    if (auto* combo = qobject_cast<QComboBox*>(widget_.data())) {
        const bool none = combo->count() == 0;
        combo->addItem(toQt(item));
        if (none) combo->setCurrentIndex(-1);  // as a native drop-down list: nothing chosen until asked
    } else if (auto* list = qobject_cast<QTreeWidget*>(widget_.data())) {
        list->addTopLevelItem(new QTreeWidgetItem(cellsOf(item)));  // owned by the list
    }
}

int QtControl::selected() const {
    if (auto* combo = qobject_cast<QComboBox*>(widget_.data())) return combo->currentIndex();
    if (auto* list = qobject_cast<QTreeWidget*>(widget_.data())) {
        const QList<QTreeWidgetItem*> chosen = list->selectedItems();
        return chosen.empty() ? -1 : list->indexOfTopLevelItem(chosen.front());
    }
    return -1;
}

void QtControl::setSelected(int index) {
    if (auto* combo = qobject_cast<QComboBox*>(widget_.data()))
        combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
    if (auto* list = qobject_cast<QTreeWidget*>(widget_.data())) {
        QTreeWidgetItem* item = list->topLevelItem(index);
        if (item) list->setCurrentItem(item);
        if (!item) list->clearSelection();
    }
}

void QtControl::setItemHeight(int pixels) {
    if (auto* combo = qobject_cast<QComboBox*>(widget_.data()))
        combo->setStyleSheet(
            QStringLiteral("QComboBox QAbstractItemView::item { min-height: %1px; }").arg(pixels));
}

void QtControl::setColumns(std::vector<ListColumn> columns) {
    auto* list = qobject_cast<QTreeWidget*>(widget_.data());
    if (!list) return;
    QStringList captions;
    for (const ListColumn& c : columns)
        captions << toQt(c.caption);
    list->setColumnCount(static_cast<int>(columns.size()));
    list->setHeaderLabels(captions);
    for (std::size_t i = 0; i < columns.size(); ++i)
        list->setColumnWidth(static_cast<int>(i), columns[i].width);
}

std::vector<int> QtControl::columnWidths() const {
    std::vector<int> widths;
    if (auto* list = qobject_cast<QTreeWidget*>(widget_.data()))
        for (int i = 0; i < list->columnCount(); ++i)
            widths.push_back(list->columnWidth(i));
    return widths;
}

int QtControl::position() const {
    if (auto* slider = qobject_cast<QAbstractSlider*>(widget_.data())) return slider->value();
    return boxBar_ ? boxBar_->value() : 0;
}

void QtControl::setPosition(int pos) {
    if (auto* slider = qobject_cast<QAbstractSlider*>(widget_.data())) slider->setValue(pos);
    if (boxBar_) boxBar_->setValue(pos);
}

// A scroll box's range is the height of what it holds; it scrolls by what does not fit.
void QtControl::setRange(int min, int max) {
    min_ = min;
    max_ = max;
    if (auto* slider = qobject_cast<QAbstractSlider*>(widget_.data()))
        slider->setRange(min, std::max(min, max));
    if (boxBar_) {
        const int visible = clientSize().height;
        max_ = std::max(0, max - visible);
        content_->resize(content_->width(), std::max(max, visible));
        boxBar_->setRange(0, max_);
        boxBar_->setVisible(max_ > 0);  // as the native bar, hidden while everything fits
        boxBar_->setPageStep(visible);
        boxBar_->setSingleStep(16);
    }
}

void QtControl::setSteps(int lineSize, int pageSize, int tickFrequency) {
    auto* slider = qobject_cast<QAbstractSlider*>(widget_.data());
    if (!slider) return;
    slider->setSingleStep(lineSize);
    slider->setPageStep(pageSize);
    if (auto* track = qobject_cast<QSlider*>(slider)) track->setTickInterval(tickFrequency);
}

void QtControl::setImages(ImageSet images) {
    images_ = std::move(images);
    if (auto* button = qobject_cast<QPushButton*>(widget_.data()); button && !images_.normal.empty()) {
        button->setIcon(QPixmap::fromImage(
            qtImage(images_.normal, images_.normal.pixel(0, images_.normal.height() - 1))));
        button->setIconSize(QSize(images_.normal.width(), images_.normal.height()));
    }
    invalidate();
}

void QtControl::applyWindowFlags(WindowBorder border, bool topmost) {
    const bool shown = widget_->isVisible();
    widget_->setWindowFlags(borderFlags(border) | (topmost ? Qt::WindowStaysOnTopHint : Qt::WindowFlags{}));
    if (shown) widget_->show();  // changing the flags hides a window
}

void QtControl::setBorder(WindowBorder border) {
    border_ = border;
    if (kind_ == ControlKind::Window) applyWindowFlags(border_, topmost_);
}

void QtControl::setTopmost(bool on) {
    topmost_ = on;
    if (kind_ == ControlKind::Window) applyWindowFlags(border_, topmost_);
}

bool QtControl::topmost() const {
    return (widget_->windowFlags() & Qt::WindowStaysOnTopHint) != 0;
}

void QtControl::setLayered(std::optional<Color> key, std::uint8_t alpha) {
    key_ = key;
    widget_->setWindowOpacity(alpha / 255.0);
    if (key_) {
        queueMask();
    } else {
        widget_->clearMask();
    }
}

// The see-through pixels of the key colour, as the window draws itself now.
void QtControl::updateMask() {
    maskQueued_ = false;
    if (!key_ || !widget_) return;
    const QImage drawn = widget_->grab().toImage().scaled(widget_->size());
    const QColor key = qtColor(toolkit_.screen(), *key_);
    widget_->setMask(QBitmap::fromImage(drawn.createMaskFromColor(key.rgb(), Qt::MaskInColor)));
}

// The window manager's own move is unreliable on X11, so the press that starts a move is followed here.
void QtControl::startMove() {
    QtControl* window = top();
    if (!window || !(QGuiApplication::mouseButtons() & Qt::LeftButton)) return;
    window->dragOffset_ = QCursor::pos() - window->widget_->frameGeometry().topLeft();
}

void QtControl::dragTo(QPoint global) {
    widget_->move(global - *dragOffset_);
}

void QtControl::setIcon(const Image& icon) {
    if (!icon.empty()) widget_->setWindowIcon(QPixmap::fromImage(qtImage(icon)));
}

void QtControl::minimise() {
    widget_->showMinimized();
}

void QtControl::restore() {
    widget_->showNormal();
}

bool QtControl::minimised() const {
    return widget_->isMinimized();
}

void QtControl::bringToFront() {
    widget_->raise();
    widget_->activateWindow();
}

void QtControl::requestClose() {
    QTimer::singleShot(0, widget_, [w = widget_] {
        if (w) w->close();
    });
}

QtControl* QtControl::top() const {
    return from(widget_->window());
}

bool QtControl::draggable() const {
    const QtControl* window = top();
    return !usesMouse(kind_) && window && window->dragAnywhere_;
}

bool QtControl::onEvent(QObject*, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::Enter:
        case QEvent::Leave:
            return onMouse(event);
        case QEvent::KeyPress:
            listener().keyDown(virtualKeyOf(static_cast<QKeyEvent*>(event)->key()));
            return false;
        default:
            return kind_ == ControlKind::Window && onWindowEvent(event);
    }
}

bool QtControl::onMouse(QEvent* event) {
    QtControl* window = top();
    const bool moving = window && window->dragOffset_;
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            const auto* e = static_cast<QMouseEvent*>(event);
            const MouseButton b = buttonOf(e->button());
            pressed_ = static_cast<int>(b);
            listener().mouseDown(b, {e->position().toPoint().x(), e->position().toPoint().y()});
            if (b == MouseButton::Left && kind_ == ControlKind::ImageButton) widget_->update();
            if (b == MouseButton::Left && draggable()) {
                window->dragOffset_ =
                    e->globalPosition().toPoint() - window->widget_->frameGeometry().topLeft();
                return true;
            }
            return false;
        }
        case QEvent::MouseMove:
            if (moving) window->dragTo(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
            return moving;
        case QEvent::MouseButtonRelease: {
            const auto* e = static_cast<QMouseEvent*>(event);
            const MouseButton b = buttonOf(e->button());
            if (moving && b == MouseButton::Left) window->dragOffset_.reset();
            listener().mouseUp(b, {e->position().toPoint().x(), e->position().toPoint().y()});
            const bool clicked = pressed_ == static_cast<int>(b);
            pressed_ = -1;
            const bool inside = widget_->rect().contains(e->position().toPoint());
            if (clicked && (!isPushButton(kind_) || b != MouseButton::Left)) listener().click();
            if (clicked && inside && kind_ == ControlKind::ImageButton && b == MouseButton::Left)
                listener().click();
            if (kind_ == ControlKind::ImageButton) widget_->update();
            return moving;
        }
        case QEvent::Wheel:
            listener().mouseWheel(static_cast<QWheelEvent*>(event)->angleDelta().y());
            return false;
        case QEvent::Enter:
            inside_ = true;
            listener().mouseEnter();
            if (kind_ == ControlKind::ImageButton) widget_->update();
            return false;
        case QEvent::Leave:
            inside_ = false;
            listener().mouseLeave();
            if (kind_ == ControlKind::ImageButton) widget_->update();
            return false;
        default:
            return false;
    }
}

bool QtControl::onWindowEvent(QEvent* event) {
    switch (event->type()) {
        case QEvent::Close:
            event->ignore();
            if (listener().closeRequested()) widget_->hide();
            return true;
        case QEvent::Resize:
            queueMask();
            listener().moved(bounds());
            return false;
        case QEvent::Move:
            listener().moved(bounds());
            return false;
        case QEvent::ActivationChange:
            listener().activated(widget_->isActiveWindow());
            return false;
        case QEvent::WindowStateChange: {
            const bool was =
                (static_cast<QWindowStateChangeEvent*>(event)->oldState() & Qt::WindowMinimized) != 0;
            if (!was && widget_->isMinimized()) listener().minimised();
            if (was && !widget_->isMinimized()) listener().restored();
            return false;
        }
        default:
            return false;
    }
}

void QtControl::paintCanvas(QPainter& painter) {
    const Size size{widget_->width(), widget_->height()};
    QtPainter p(painter, size, toolkit_.screen());
    const Rect all{0, 0, size.width, size.height};
    if (kind_ == ControlKind::ImageButton) return paintImageButton(painter);
    p.fillRect(all, color_);
    switch (kind_) {
        case ControlKind::PaintBox:
            listener().paint(p);
            break;
        case ControlKind::ImageView:
            if (flags_ & style::Stretch) {
                painter.drawImage(QRect(0, 0, size.width, size.height), qtImage(images_.normal));
            } else {
                p.image({0, 0}, images_.normal, {}, 255);
            }
            break;
        case ControlKind::Panel:
            if (bevel_ != Bevel::None) p.frameRect(all, systemColor(syscolor::ButtonShadow));
            p.text(all, text_, font_, TextAlign::Center);
            break;
        case ControlKind::ScrollBox:
            if (bevel_ != Bevel::None) p.frameRect(all, systemColor(syscolor::ButtonShadow));
            break;
        case ControlKind::GroupBox:
            paintGroupBox(p);
            break;
        default:
            break;
    }
}

// As the native group box: an etched frame from the middle of the caption line down, the caption on
// the frame with the box's colour behind it.
void QtControl::paintGroupBox(QtPainter& p) {
    const int w = widget_->width(), h = widget_->height();
    p.frameRect({0, 6, w - 1, h - 7}, systemColor(syscolor::ButtonShadow));
    p.frameRect({1, 7, w - 1, h - 7}, rgb(255, 255, 255));
    if (text_.empty()) return;
    const QFontMetrics metrics(qtFont(font_));
    const int width = std::min(metrics.horizontalAdvance(toQt(text_)) + 4, w - 12);
    p.fillRect({6, 0, width, 13}, color_);
    p.text({8, 0, width - 2, 13}, text_, font_, TextAlign::Left);
}

// Four images: disabled, pressed, hot, normal; the parent's colour shows through the corner colour.
void QtControl::paintImageButton(QPainter& painter) {
    const bool down = pressed_ == static_cast<int>(MouseButton::Left) && inside_;
    const Image& img = !widget_->isEnabled() && !images_.disabled.empty() ? images_.disabled
                       : down && !images_.pressed.empty()                 ? images_.pressed
                       : inside_ && !images_.hot.empty()                  ? images_.hot
                                                                          : images_.normal;
    const QtControl* parent = from(widget_->parentWidget());
    QtPainter p(painter, {widget_->width(), widget_->height()}, toolkit_.screen());
    p.fillRect({0, 0, widget_->width(), widget_->height()}, parent ? parent->color_ : color_);
    std::optional<Color> key;
    if ((flags_ & style::Transparent) && !img.empty()) key = img.pixel(0, img.height() - 1);
    p.image({0, 0}, img, key, 255);
}

}  // namespace ui::qt
