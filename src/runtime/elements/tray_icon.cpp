#include "runtime/elements/tray_icon.h"

#include "runtime/elements/visual_main_form.h"
#include "runtime/error.h"
#include "ui/platform.h"

namespace lr {

namespace {
std::int32_t buttonNumber(ui::MouseButton b) {
    return b == ui::MouseButton::Other ? 255 : static_cast<std::int32_t>(b);
}
}  // namespace

ui::TrayIcon& THITrayIcon::icon() {
    if (icon_) return *icon_;
    icon_ = ui::platform().toolkit().createTrayIcon(form_.window());
    icon_->setTip(Hint);
    if (!form_.Icon.empty()) icon_->setIcon(form_.Icon);
    icon_->onEvent = [this](ui::TrayEvent event, ui::MouseButton button) { report(event, button); };
    return *icon_;
}

void THITrayIcon::doShow(TData&) {
    icon().show();
    shownForMinimise_ = false;
}

void THITrayIcon::doHide(TData&) {
    if (icon_) icon_->hide();
    shownForMinimise_ = false;
}

void THITrayIcon::doHint(TData& data) {
    Hint = toString(data);
    if (icon_) icon_->setTip(Hint);
}

// The system minimises the window after its listeners ran; hiding it has to wait until then, or the
// minimise would show it again.
void THITrayIcon::doMinimized(TData&) {
    if (!MinimizeToTray) return;
    ui::platform().loop().post([this, alive = std::weak_ptr<bool>(alive_)] {
        if (!alive.expired()) goToTray();
    });
}

void THITrayIcon::goToTray() {
    ui::Window& window = form_.window();
    if (!window.minimised()) return;  // restored before the loop came round
    window.setVisible(false);
    runGuarded([&] { fireNull(onHide); });
    if (icon().shown()) return;
    icon().show();
    shownForMinimise_ = true;
}

// An icon that was there before the minimise stays: the program showed it for its own reasons.
void THITrayIcon::doRestored(TData&) {
    if (!MinimizeToTray) return;
    if (shownForMinimise_) icon_->hide();
    shownForMinimise_ = false;
    form_.window().setVisible(true);
    form_.window().bringToFront();
}

void THITrayIcon::report(ui::TrayEvent event, ui::MouseButton button) {
    const auto withButton = [&](const Point& point) { fireInteger(point, buttonNumber(button)); };
    runGuarded([&] {
        switch (event) {
            case ui::TrayEvent::Down:
                return withButton(onMouseDown);
            case ui::TrayEvent::Up:
                return withButton(onMouseUp);
            case ui::TrayEvent::Click:
                return withButton(onClick);
            case ui::TrayEvent::DoubleClick:
                return withButton(onDblClick);
            case ui::TrayEvent::Move:
                return fireNull(onMouseMove);
            case ui::TrayEvent::BalloonShown:
                return fireNull(onBalloonShow);
            case ui::TrayEvent::BalloonTimeout:
                return fireNull(onBalloonTimeout);
            case ui::TrayEvent::BalloonClick:
                return fireNull(onBalloonClick);
        }
    });
}

}  // namespace lr
