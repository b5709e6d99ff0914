#pragma once
// A window or control as a Qt widget at its logical place. An event filter routes the widget's mouse,
// key and window events to the listener; signals of the native widgets become changed/click/scrolled.
#include <QPointer>
#include <QWidget>
#include <memory>

#include "ui/window.h"

class QPainter;
class QScrollBar;

namespace ui::qt {

class QtToolkit;
class QtPainter;

class QtControl : public Window {
  public:
    QtControl(QtToolkit& toolkit, QtControl* parent, const ControlSpec& params);
    QtControl(QtToolkit& toolkit, const WindowSpec& params);
    ~QtControl() override;

    // The control a widget belongs to; null for widgets of no control.
    static QtControl* from(const QObject* widget);
    QWidget* widget() const { return widget_.data(); }
    // Where children go: the moving content of a scroll box, the widget itself otherwise.
    QWidget* childHost() const { return content_ ? content_ : widget_.data(); }

    ControlKind kind() const override { return kind_; }
    std::intptr_t handle() const override { return handle_; }
    void setListener(ControlListener* listener) override { listener_ = listener; }
    Rect bounds() const override;
    Point screenPosition() const override;
    void setBounds(Rect r) override;
    Size clientSize() const override;
    bool visible() const override;
    void setVisible(bool on) override;
    bool enabled() const override { return widget_->isEnabled(); }
    void setEnabled(bool on) override { widget_->setEnabled(on); }
    Color color() const override { return color_; }
    void setColor(Color c) override;
    Font font() const override { return font_; }
    void setFont(const Font& f) override;
    std::string text() const override;
    void setText(std::string s) override;
    void setHint(std::string s) override;
    std::string hint() const override { return hint_; }
    void setBevel(Bevel b) override;
    void invalidate() override;

    bool checked() const override;
    void setChecked(bool on) override;
    std::vector<std::string> items() const override;
    void setItems(std::vector<std::string> items) override;
    void addItem(std::string item) override;
    int selected() const override;
    void setSelected(int index) override;
    void setItemHeight(int pixels) override;
    void setColumns(std::vector<ListColumn> columns) override;
    std::vector<int> columnWidths() const override;
    int position() const override;
    void setPosition(int pos) override;
    void setRange(int min, int max) override;
    int rangeMin() const override { return min_; }
    int rangeMax() const override { return max_; }
    void setSteps(int lineSize, int pageSize, int tickFrequency) override;
    void setImages(ImageSet images) override;

    void setBorder(WindowBorder border) override;
    void setTopmost(bool on) override;
    bool topmost() const override;
    void setLayered(std::optional<Color> key, std::uint8_t alpha) override;
    void setDragAnywhere(bool on) override { dragAnywhere_ = on; }
    void startMove() override;
    void setIcon(const Image& icon) override;
    void minimise() override;
    void restore() override;
    bool minimised() const override;
    void bringToFront() override;
    void requestClose() override;

    // From the event filter; true eats the event.
    bool onEvent(QObject* target, QEvent* event);
    void paintCanvas(QPainter& painter);
    std::optional<Color> layeredKey() const { return key_; }

  private:
    void build(QWidget* parent, const ControlSpec& params);
    void connectSignals();
    void watch(QObject* target);
    void applyPalette();
    void applyWindowFlags(WindowBorder border, bool topmost);
    void reportScroll(ScrollCode code);
    bool onMouse(QEvent* event);
    bool onWindowEvent(QEvent* event);
    bool draggable() const;
    QtControl* top() const;
    void dragTo(QPoint global);
    void queueMask();
    void updateMask();
    void paintImageButton(QPainter& painter);
    void paintGroupBox(QtPainter& p);
    ControlListener& listener();

    QtToolkit& toolkit_;
    ControlKind kind_;
    unsigned flags_ = 0;
    QPointer<QWidget> widget_;
    std::intptr_t handle_ = 0;
    QWidget* content_ = nullptr;    // scroll box only, a child of widget_
    QScrollBar* boxBar_ = nullptr;  // scroll box only, a child of widget_
    std::unique_ptr<QObject> filter_;
    ControlListener* listener_ = nullptr;
    Color color_ = systemColor(syscolor::ButtonFace);
    Font font_;
    std::string hint_;
    std::string text_;  // panels, paint boxes and image buttons draw it themselves
    Bevel bevel_ = Bevel::None;
    ImageSet images_;
    int min_ = 0;
    int max_ = 100;
    int pressed_ = -1;  // the button of the current press
    bool inside_ = false;
    bool settingText_ = false;
    // Top-level windows.
    WindowBorder border_ = WindowBorder::Sizeable;
    bool topmost_ = false;
    std::optional<Color> key_;
    bool dragAnywhere_ = false;
    std::optional<QPoint> dragOffset_;  // the press, from the window's corner, while we move it
    bool maskQueued_ = false;
};

}  // namespace ui::qt
