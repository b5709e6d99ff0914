#pragma once
// A main window with a button, a secondary window that follows the button and one that keeps its own
// place; the follower is hidden until asked for.
#include "runtime/container.h"
#include "runtime/elements/visual_buttons.h"
#include "runtime/elements/visual_main_form.h"

class FollowingTree : public lr::TClassMultiBase {
  public:
    static constexpr ui::Rect kMain{100, 80, 300, 200};
    static constexpr ui::Rect kButton{40, 30, 70, 30};
    static constexpr ui::Rect kStill{500, 400, 120, 60};
    static constexpr int kOffsetX = 10;
    static constexpr int kOffsetY = 25;

    FollowingTree()
        : TClassMultiBase(nullptr, nullptr),
          main_(makeMain()),
          button_(makeButton()),
          follower_(makeSecondary({0, 0, 120, 60})),
          still_(makeSecondary(kStill)) {
        follower_.FollowControl = &button_;
        follower_.FollowX = kOffsetX;
        follower_.FollowY = kOffsetY;
        follower_.Visible = false;
    }

    lr::THIMainForm& main() { return main_; }
    lr::THIBitBtn& button() { return button_; }
    lr::THIMainForm& follower() { return follower_; }
    lr::THIMainForm& still() { return still_; }
    void show(lr::THIMainForm& form) {
        lr::TData on = lr::makeInteger(1);
        form.doVisible(on);
    }

  private:
    lr::THIMainForm& makeMain() {
        lr::THIMainForm& f = make<lr::THIMainForm>();
        f.place(kMain);
        f.BorderStyle = ui::WindowBorder::None;
        f.DragAnywhere = true;
        f.Main = true;
        return f;
    }
    lr::THIBitBtn& makeButton() {
        lr::THIBitBtn& b = make<lr::THIBitBtn>(&main_.control());
        b.place(kButton);
        b.Caption = "Follow me";
        b.init();
        return b;
    }
    lr::THIMainForm& makeSecondary(const ui::Rect& place) {
        lr::THIMainForm& f = make<lr::THIMainForm>();
        f.place(place);
        f.BorderStyle = ui::WindowBorder::None;
        f.Owner = &main_;
        return f;
    }

    lr::THIMainForm& main_;
    lr::THIBitBtn& button_;
    lr::THIMainForm& follower_;
    lr::THIMainForm& still_;
};
