#include "ui/qt/qt_widgets.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QTreeWidget>

#include "ui/qt/qt_control.h"

namespace ui::qt {

void Canvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    control_.paintCanvas(painter);
}

bool EventBridge::eventFilter(QObject* watched, QEvent* event) {
    return control_.onEvent(watched, event);
}

Qt::WindowFlags borderFlags(WindowBorder b) {
    switch (b) {
        case WindowBorder::None:
        case WindowBorder::ThinFrame:
        case WindowBorder::SizingFrame:
            return Qt::Window | Qt::FramelessWindowHint;
        case WindowBorder::Single:
            return Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint;
        case WindowBorder::Sizeable:
            return Qt::Window;
        case WindowBorder::Dialog:
            return Qt::Dialog | Qt::WindowCloseButtonHint;
        case WindowBorder::ToolWindow:
        case WindowBorder::SizeableTool:
            return Qt::Tool | Qt::WindowCloseButtonHint;
    }
    return Qt::Window;
}

std::unique_ptr<QWidget> nativeWidget(QtControl& control, ControlKind kind, unsigned flags) {
    switch (kind) {
        case ControlKind::Label: {
            auto label = std::make_unique<QLabel>();
            label->setTextFormat(Qt::PlainText);
            label->setAlignment((flags & style::AlignCenter)  ? Qt::AlignHCenter | Qt::AlignTop
                                : (flags & style::AlignRight) ? Qt::AlignRight | Qt::AlignTop
                                                              : Qt::AlignLeft | Qt::AlignTop);
            return label;
        }
        case ControlKind::Edit: {
            auto edit = std::make_unique<QLineEdit>();
            edit->setReadOnly((flags & style::ReadOnly) != 0);
            if (flags & style::Password) edit->setEchoMode(QLineEdit::Password);
            return edit;
        }
        case ControlKind::Memo: {
            auto memo = std::make_unique<QPlainTextEdit>();
            memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);  // as the native memo's own bar
            memo->setReadOnly((flags & style::ReadOnly) != 0);
            return memo;
        }
        case ControlKind::CheckBox:
            return std::make_unique<WholeCheckBox>();
        case ControlKind::ComboBox:
            return std::make_unique<QComboBox>();
        case ControlKind::TrackBar: {
            auto slider =
                std::make_unique<QSlider>((flags & style::Vertical) ? Qt::Vertical : Qt::Horizontal);
            slider->setTickPosition((flags & style::NoTicks)     ? QSlider::NoTicks
                                    : (flags & style::TicksBoth) ? QSlider::TicksBothSides
                                                                 : QSlider::TicksBelow);
            slider->setInvertedAppearance((flags & style::Vertical) != 0);  // the minimum at the top
            slider->setPageStep(10);
            return slider;
        }
        case ControlKind::ScrollBar:
            return std::make_unique<QScrollBar>((flags & style::Vertical) ? Qt::Vertical : Qt::Horizontal);
        case ControlKind::BitmapButton:
            return std::make_unique<QPushButton>();
        case ControlKind::ListView: {
            auto list = std::make_unique<QTreeWidget>();
            list->setRootIsDecorated(false);
            list->setUniformRowHeights(true);
            list->setSelectionMode(QAbstractItemView::SingleSelection);
            list->setAllColumnsShowFocus(true);
            list->header()->setStretchLastSection(false);  // the widths are the ones given
            return list;
        }
        default:
            return std::make_unique<Canvas>(control, nullptr);
    }
}
int virtualKeyOf(int qtKey) {
    if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z))
        return qtKey;
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return 0x70 + (qtKey - Qt::Key_F1);
    switch (qtKey) {
        case Qt::Key_Backspace:
            return 0x08;
        case Qt::Key_Tab:
            return 0x09;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return 0x0D;
        case Qt::Key_Shift:
            return 0x10;
        case Qt::Key_Control:
            return 0x11;
        case Qt::Key_Alt:
            return 0x12;
        case Qt::Key_Escape:
            return 0x1B;
        case Qt::Key_Space:
            return 0x20;
        case Qt::Key_PageUp:
            return 0x21;
        case Qt::Key_PageDown:
            return 0x22;
        case Qt::Key_End:
            return 0x23;
        case Qt::Key_Home:
            return 0x24;
        case Qt::Key_Left:
            return 0x25;
        case Qt::Key_Up:
            return 0x26;
        case Qt::Key_Right:
            return 0x27;
        case Qt::Key_Down:
            return 0x28;
        case Qt::Key_Insert:
            return 0x2D;
        case Qt::Key_Delete:
            return 0x2E;
        default:
            return 0;
    }
}

}  // namespace ui::qt
