#pragma once
// THIMainForm: a top-level window element, for the main window and every secondary window. It joins
// the start list when it is made; at start it fires onCreate and then shows itself when Visible.
#include "runtime/elements/visual_win.h"
#include "ui/window.h"

namespace lr {

class THIMainForm : public THIWin {
  public:
    THIMainForm();
    ~THIMainForm() override;

    std::string Caption;
    ui::Image Icon;
    ui::WindowBorder BorderStyle = ui::WindowBorder::Sizeable;
    bool DragAnywhere = false;  // a left press anywhere moves the window
    bool Centered = false;      // placed in the middle of the screen at creation
    bool Main = false;          // closing the main window ends the message loop
    THIMainForm* Owner = nullptr;
    // Where the place is kept between runs (see window_positions.h); read when the window is first shown,
    // written when it closes after having been shown.
    std::string PositionKey;
    // A secondary window may follow a control (of any window): whenever a window moves or is resized,
    // it takes the control's top left corner on the screen plus these offsets.
    THIWin* FollowControl = nullptr;
    int FollowX = 0;
    int FollowY = 0;

    Point onCreate;
    Point onClose;
    Point onMove;
    Point onActivate;
    Point onDeactivate;
    Point onMinimize;
    Point onRestore;

    void doVisible(TData& data);
    void doClose(TData& data);
    void doCaption(TData& data);

    ui::Window& window() { return static_cast<ui::Window&>(control()); }
    // Takes the place beside FollowControl, if this is a shown secondary window that follows one.
    void follow();

  protected:
    ui::ControlSpec params() const override { return {ui::ControlKind::Window}; }
    std::unique_ptr<ui::Control> create() override;
    void applyOwn() override;
    void applyVisible() override {}
    bool closeRequested() override;
    void moved(ui::Rect bounds) override;
    void activated(bool on) override;
    void minimised() override;
    void restored() override;

  private:
    void start();
    void show();
    void savePosition();

    bool shown_ = false;
};

}  // namespace lr
