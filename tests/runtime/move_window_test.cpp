// Moving a window by its handle, as the top strip asks for the borderless main window.
#include <gtest/gtest.h>

#include "headless_fixture.h"
#include "recorder.h"
#include "runtime/elements/move_window.h"
#include "runtime/elements/visual_controls.h"
#include "runtime/elements/visual_main_form.h"
#include "runtime/lifecycle.h"
#include "ui/headless/user.h"
#include "values.h"

using namespace lr;
using namespace ui::headless;

class MoveWindowTest : public HeadlessTest {
  protected:
    MoveWindowTest() {
        form.Left_ = 100;
        form.Top_ = 50;
        start();
    }
    THIMainForm form;  // no drag-anywhere: only the mover moves it
    THIMoveWindow mover;
};

TEST_F(MoveWindowTest, TheWindowOfTheHandleMovesWithTheDrag) {
    dragWindow(form.window(), 30, 20);
    EXPECT_EQ(form.window().bounds().left, 100) << "a press alone does not move this window";
    mover.Handle = bind<&THIWin::Handle>(form);
    fireAt<&THIMoveWindow::doMove>(mover);
    dragWindow(form.window(), 30, 20);
    EXPECT_EQ(form.window().bounds().left, 130);
    EXPECT_EQ(form.window().bounds().top, 70);
}

TEST_F(MoveWindowTest, HandlesOfNoWindowAreIgnored) {
    THIPanel panel(&form.control());
    std::intptr_t gone = 0;
    {
        THIMainForm closed;
        gone = closed.control().handle();
    }
    for (const std::intptr_t handle : {panel.control().handle(), gone, std::intptr_t{0}}) {
        fireAt<&THIMoveWindow::doMove>(mover, makeInteger(static_cast<std::int32_t>(handle)));
        EXPECT_FALSE(asHeadless(form.window()).moving()) << handle;
    }
    fireAt<&THIMoveWindow::doMove>(mover, makeInteger(static_cast<std::int32_t>(form.control().handle())));
    EXPECT_TRUE(asHeadless(form.window()).moving()) << "the handle may come with the event";
}
