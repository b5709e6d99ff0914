#pragma once
// THIWin: the base of every element that owns a control on screen. The container sets the
// properties, then init() creates the control in the parent and applies them in a fixed order.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/element.h"
#include "runtime/point.h"
#include "ui/control.h"

namespace lr {

// The lines joined with CR LF, as a control's text holds them.
std::string joinControlLines(const std::vector<std::string>& lines);

enum class Align { None, Top, Bottom, Left, Right, Client };

class THIWin : public Element, protected ui::ControlListener {
  public:
    explicit THIWin(ui::Control* parent) : parent_(parent) {}
    ~THIWin() override;

    // Properties, applied by init() in this order.
    ui::Color Color_ = ui::systemColor(ui::syscolor::ButtonFace);
    int Left_ = 0;
    int Top_ = 0;
    int Width_ = 100;
    int Height_ = 25;
    // The four place properties at once, before init().
    void place(const ui::Rect& r) {
        Left_ = r.left;
        Top_ = r.top;
        Width_ = r.width;
        Height_ = r.height;
    }
    bool TabStop = true;
    bool Enabled = true;
    std::string Hint;
    bool ParentFont = true;  // else Font
    ui::Font Font;
    ui::Bevel Border = ui::Bevel::None;
    Align Alignment = Align::None;
    bool Visible = true;
    std::string Name;  // finds the control in tests and layouts

    Point onMouseDown;
    Point onMouseUp;
    Point onClick;
    Point onMouseWheel;
    Point onKeyDown;  // the virtual-key code of each key pressed while the control has the focus

    void doColor(TData& data);
    void doVisible(TData& data);
    void doEnabled(TData& data);
    void doLeft(TData& data);
    void doTop(TData& data);
    void doWidth(TData& data);
    void doHeight(TData& data);
    void Handle(TData& data);
    void Left(TData& data);
    void Top(TData& data);
    void Width(TData& data);
    void Height(TData& data);

    // The initialisation step; later calls do nothing.
    void init();
    // The control, created by init() when needed.
    ui::Control& control();

  protected:
    virtual ui::ControlSpec params() const = 0;
    virtual std::unique_ptr<ui::Control> create();
    // The member's own properties, applied after the shared ones and before visibility.
    virtual void applyOwn() {}
    // The last step of the initialisation; a top-level window waits for the start instead.
    virtual void applyVisible();
    ui::Control* parentControl() const { return parent_; }
    // The button number of the last press: 0 left, 1 right, 2 middle, 255 others.
    int lastButton() const { return lastButton_; }
    // Fires an event started by the user: no element error leaves the loop's handler.
    static void fireFromUser(const Point& point, TData data);

    void mouseDown(ui::MouseButton button, ui::Point at) override;
    void mouseUp(ui::MouseButton button, ui::Point at) override;
    void click() override;
    void mouseWheel(int delta) override;
    void keyDown(int virtualKey) override;

  private:
    void applyShared();
    void applyAlignment();
    void setBounds(void (*change)(ui::Rect&, int), TData& data);

    ui::Control* parent_;
    std::unique_ptr<ui::Control> control_;
    int lastButton_ = 0;
};

}  // namespace lr
