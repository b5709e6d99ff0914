#pragma once
// THITrayIcon: the notification-area icon of a top-level window. It carries the window's icon, reports
// mouse events with the button number, and with MinimizeToTray takes the place of the minimised window.
#include <memory>
#include <string>

#include "runtime/element.h"
#include "runtime/point.h"
#include "ui/tray.h"

namespace lr {

class THIMainForm;

class THITrayIcon : public Element {
  public:
    explicit THITrayIcon(THIMainForm& form) : form_(form) {}

    std::string Hint;             // the tip, cut to 63 characters
    bool MinimizeToTray = false;  // minimising hides the window and shows the icon

    // Button number: 0 left, 1 right, 2 middle.
    Point onMouseDown;
    Point onMouseUp;
    Point onClick;  // on button up
    Point onDblClick;
    Point onMouseMove;
    Point onBalloonShow;
    Point onBalloonTimeout;
    Point onBalloonClick;
    Point onHide;  // the window went to the tray

    // Adds the icon; the window stays as it is.
    void doShow(TData& data);
    void doHide(TData& data);
    void doHint(TData& data);
    // Linked from the window's onMinimize and onRestore.
    void doMinimized(TData& data);
    void doRestored(TData& data);

    // The platform's icon, made on first use (after the window exists).
    ui::TrayIcon& icon();

  private:
    void report(ui::TrayEvent event, ui::MouseButton button);
    void goToTray();

    THIMainForm& form_;
    std::unique_ptr<ui::TrayIcon> icon_;
    bool shownForMinimise_ = false;  // the icon is there only because the window went to the tray
    // Posted work checks it, so a task that outlives the element does nothing.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace lr
