// A secondary window that follows a control, under Wine: it comes along when the main window is moved
// as the system moves it.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

#include "following_tree.h"
#include "runtime/lifecycle.h"
#include "ui/win32/win32_platform.h"

namespace {

class FollowingWindowsWin32 : public testing::Test {
  protected:
    FollowingWindowsWin32() {
        lr::resetLifecycle();
        tree = std::make_unique<FollowingTree>();
        lr::start();
        pump();
    }
    ~FollowingWindowsWin32() override {
        tree.reset();
        lr::resetLifecycle();
    }
    void pump() {
        for (int i = 0; i < 20; ++i) {
            platform->loop().pump();
            Sleep(10);
        }
    }
    static HWND hwnd(lr::THIWin& element) { return reinterpret_cast<HWND>(element.control().handle()); }
    static POINT corner(HWND window) {
        RECT r;
        GetWindowRect(window, &r);
        return {r.left, r.top};
    }
    // Where the follower belongs beside the button as it is on the screen now.
    POINT besideButton() {
        const POINT button = corner(hwnd(tree->button()));
        return {button.x + FollowingTree::kOffsetX, button.y + FollowingTree::kOffsetY};
    }

    const std::unique_ptr<ui::Platform> platform = ui::win32::Win32Platform::create();
    const ui::ScopedPlatform scope{*platform};
    std::unique_ptr<FollowingTree> tree;
};

bool same(POINT a, POINT b) {
    return a.x == b.x && a.y == b.y;
}

TEST_F(FollowingWindowsWin32, TheFollowerComesAlongWhenTheMainWindowMoves) {
    tree->show(tree->follower());
    pump();
    HWND follower = hwnd(tree->follower());
    EXPECT_TRUE(IsWindowVisible(follower));
    EXPECT_TRUE(same(corner(follower), besideButton()));
    const POINT still = corner(hwnd(tree->still()));
    SetWindowPos(hwnd(tree->main()), nullptr, 260, 190, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    pump();
    const POINT button = corner(hwnd(tree->button()));
    EXPECT_EQ(button.x, 260 + FollowingTree::kButton.left);
    EXPECT_TRUE(same(corner(follower), besideButton()))
        << corner(follower).x << "," << corner(follower).y << " beside " << button.x << "," << button.y;
    EXPECT_TRUE(same(corner(hwnd(tree->still())), still));
}

}  // namespace
