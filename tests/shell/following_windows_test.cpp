// Secondary windows that follow a control: placed beside it when shown, brought along from the loop
// after any window moved, and left alone while hidden.
#include <gtest/gtest.h>

#include <memory>

#include "following_tree.h"
#include "headless_fixture.h"
#include "ui/headless/user.h"

using namespace ui::headless;

namespace {

class FollowingWindowsTest : public HeadlessTest {
  protected:
    FollowingWindowsTest() {
        lr::resetLifecycle();
        tree = std::make_unique<FollowingTree>();
        lr::start();
    }
    ~FollowingWindowsTest() override { tree.reset(); }

    ui::Point cornerOf(lr::THIMainForm& form) {
        const ui::Rect r = form.window().bounds();
        return {r.left, r.top};
    }
    // Where the follower belongs while the button is at `button` of a main window at `main`.
    static ui::Point beside(ui::Point main, ui::Point button) {
        return {main.x + button.x + FollowingTree::kOffsetX, main.y + button.y + FollowingTree::kOffsetY};
    }

    std::unique_ptr<FollowingTree> tree;
};

TEST_F(FollowingWindowsTest, AFollowerShowsBesideItsControlAndComesAlongWhenTheWindowMoves) {
    const ui::Point main{FollowingTree::kMain.left, FollowingTree::kMain.top};
    const ui::Point button{FollowingTree::kButton.left, FollowingTree::kButton.top};
    tree->show(tree->follower());
    EXPECT_EQ(cornerOf(tree->follower()), beside(main, button));
    ASSERT_TRUE(dragWindow(tree->main().window(), 30, -20));
    EXPECT_EQ(cornerOf(tree->follower()), beside(main, button)) << "the move is settled first";
    loop.advance(0);
    EXPECT_EQ(cornerOf(tree->follower()), beside({main.x + 30, main.y - 20}, button));
    EXPECT_EQ(cornerOf(tree->still()), (ui::Point{FollowingTree::kStill.left, FollowingTree::kStill.top}));
    EXPECT_EQ(tree->follower().window().bounds().width, 120) << "only the place changes";
}

TEST_F(FollowingWindowsTest, AnyWindowsMoveBringsTheFollowerToWhereItsControlIsNow) {
    tree->show(tree->follower());
    lr::TData left = lr::makeInteger(90);
    tree->button().doLeft(left);
    loop.advance(0);
    ASSERT_TRUE(dragWindow(tree->still().window(), 5, 5));
    loop.advance(0);
    EXPECT_EQ(cornerOf(tree->follower()), beside({FollowingTree::kMain.left, FollowingTree::kMain.top},
                                                 {90, FollowingTree::kButton.top}));
    EXPECT_EQ(cornerOf(tree->main()), (ui::Point{FollowingTree::kMain.left, FollowingTree::kMain.top}))
        << "the main window follows nothing";
}

TEST_F(FollowingWindowsTest, AHiddenFollowerStaysWhereItIsAndTakesItsPlaceWhenShown) {
    const ui::Point before = cornerOf(tree->follower());
    ASSERT_TRUE(dragWindow(tree->main().window(), 40, 10));
    loop.advance(0);
    EXPECT_EQ(cornerOf(tree->follower()), before);
    tree->show(tree->follower());
    EXPECT_EQ(cornerOf(tree->follower()),
              beside({FollowingTree::kMain.left + 40, FollowingTree::kMain.top + 10},
                     {FollowingTree::kButton.left, FollowingTree::kButton.top}));
}

}  // namespace
