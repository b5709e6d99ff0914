#include "runtime/elements/visual_main_form.h"

#include <algorithm>
#include <vector>

#include "runtime/elements/window_positions.h"
#include "runtime/lifecycle.h"
#include "ui/platform.h"

namespace lr {

namespace {
// Every live window element, so that a closing window can close the windows it owns first.
std::vector<THIMainForm*>& forms() {
    static std::vector<THIMainForm*> list;
    return list;
}

// Posted rather than done at once, so every window has settled its own move first.
void followLater() {
    ui::platform().loop().post([] {
        const std::vector<THIMainForm*> all = forms();
        for (THIMainForm* form : all)
            if (std::find(forms().begin(), forms().end(), form) != forms().end()) form->follow();
    });
}
}  // namespace

THIMainForm::THIMainForm() : THIWin(nullptr) {
    ParentFont = false;
    Width_ = 400;
    Height_ = 300;
    forms().push_back(this);
    registerStart([this] { start(); });
}

THIMainForm::~THIMainForm() {
    std::erase(forms(), this);
    for (THIMainForm* form : forms())
        if (form->Owner == this) form->Owner = nullptr;
}

std::unique_ptr<ui::Control> THIMainForm::create() {
    if (Centered) {
        const ui::Size screen = ui::platform().screen().size();
        Left_ = (screen.width - Width_) / 2;
        Top_ = (screen.height - Height_) / 2;
    }
    return ui::platform().toolkit().createWindow(
        {Caption, {Left_, Top_, Width_, Height_}, BorderStyle, Color_, Owner ? &Owner->window() : nullptr});
}

void THIMainForm::applyOwn() {
    window().setDragAnywhere(DragAnywhere);
    if (!Icon.empty()) window().setIcon(Icon);
}

void THIMainForm::start() {
    init();
    fireFromUser(onCreate, TData{});
    if (Visible) show();
}

// The stored place is taken when the window first appears, so a window that never shows keeps its own.
void THIMainForm::show() {
    WindowPositions* store = windowPositions();
    if (!shown_ && store && !PositionKey.empty())
        window().setBounds(store->load(PositionKey, window().bounds()));
    shown_ = true;
    follow();
    window().setVisible(true);
}

// A window hidden since its creation is placed when it first shows.
void THIMainForm::follow() {
    if (Main || !shown_ || !FollowControl || FollowControl == this) return;
    const ui::Point corner = FollowControl->control().screenPosition();
    ui::Rect place = window().bounds();
    if (place.left == corner.x + FollowX && place.top == corner.y + FollowY) return;
    place.left = corner.x + FollowX;
    place.top = corner.y + FollowY;
    window().setBounds(place);
}

void THIMainForm::savePosition() {
    WindowPositions* store = windowPositions();
    if (shown_ && store && !PositionKey.empty()) store->save(PositionKey, window().bounds());
}

void THIMainForm::doVisible(TData& data) {
    if (isTrue(data)) {
        show();
        window().bringToFront();
    } else {
        window().setVisible(false);
    }
}

void THIMainForm::doClose(TData&) {
    savePosition();
    window().requestClose();
}

void THIMainForm::doCaption(TData& data) {
    window().setText(toString(data));
}

// Owned windows close first; a secondary window only hides, the main one ends the loop.
bool THIMainForm::closeRequested() {
    const std::vector<THIMainForm*> all = forms();
    for (THIMainForm* form : all)
        if (form->Owner == this && std::find(forms().begin(), forms().end(), form) != forms().end())
            form->window().requestClose();
    savePosition();
    if (!Main) {
        window().setVisible(false);
        return false;
    }
    fireFromUser(onClose, TData{});
    ui::platform().loop().quit(0);
    return true;
}

void THIMainForm::moved(ui::Rect) {
    followLater();
    fireFromUser(onMove, TData{});
}

void THIMainForm::activated(bool on) {
    fireFromUser(on ? onActivate : onDeactivate, TData{});
}

void THIMainForm::minimised() {
    fireFromUser(onMinimize, TData{});
}

void THIMainForm::restored() {
    fireFromUser(onRestore, TData{});
}

}  // namespace lr
