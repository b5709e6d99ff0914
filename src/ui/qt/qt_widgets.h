#pragma once
// The widget behind the owner-drawn kinds (windows, panels, paint boxes, image buttons and views):
// it paints through its control, which fills the background and calls the listener.
#include <QCheckBox>
#include <QWidget>
#include <memory>

#include "ui/window.h"

namespace ui::qt {

class QtControl;

class Canvas : public QWidget {
  public:
    Canvas(QtControl& control, QWidget* parent) : QWidget(parent), control_(control) {}

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QtControl& control_;
};

// A check box that, as on Windows, takes a click anywhere on it, not only on the box and its text.
class WholeCheckBox : public QCheckBox {
  protected:
    bool hitButton(const QPoint& at) const override { return rect().contains(at); }
};

// Routes every event of the widgets of one control to it.
class EventBridge : public QObject {
  public:
    explicit EventBridge(QtControl& control) : control_(control) {}
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QtControl& control_;
};

// The widget of a control kind, made with the options it needs up front.
std::unique_ptr<QWidget> nativeWidget(QtControl& control, ControlKind kind, unsigned flags);
// The window flags of a border style.
Qt::WindowFlags borderFlags(WindowBorder b);

// Windows virtual-key code of a Qt key; 0 when it has none.
int virtualKeyOf(int qtKey);

}  // namespace ui::qt
