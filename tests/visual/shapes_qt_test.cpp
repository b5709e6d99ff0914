// The three shapes as real windows of the Qt backend under Xvfb: lit over a coloured desktop,
// see-through where white (the shape mask), and a mouse drag that lands on multiples of 10.
#include <gtest/gtest.h>

#include "resources/artwork.h"
#include "three_shapes.h"
#include "ui/png.h"
#include "ui/qt/qt_platform.h"
#include "ui/qt/qt_user.h"

namespace {

char programName[] = "visual_qt_tests";
char* programArgs[] = {programName, nullptr};
int programArgc = 1;

// Runs the loop a while, so that posted work, paint and the X server's shapes are done.
void settle(ui::Platform& platform, std::uint32_t ms = 150) {
    const ui::TimerId stop = platform.loop().startTimer(ms, [&] { platform.loop().quit(0); });
    platform.loop().run();
    platform.loop().stopTimer(stop);
    ui::qt::settle();
}

}  // namespace

TEST(ShapesQt, ThreeShapesLitOverAColouredDesktop) {
    if (!ui::qt::displayAvailable()) GTEST_SKIP() << "no X display: run under tools/with-xvfb";
    settings::MemorySystem sys;
    const settings::ScopedSystem sysScope(sys);
    three_shapes::putScheme(sys);
    const auto platform = ui::qt::QtPlatform::create(programArgc, programArgs);
    ASSERT_TRUE(platform);
    art::addTo(platform->builtInResources());
    {
        const ui::ScopedPlatform scope(*platform);
        lr::resetLifecycle();
        three_shapes::Scene scene(*platform);
        settle(*platform);
        ui::Control* circle = ui::qt::shownWindow("Form0");
        ui::Control* ladder = ui::qt::shownWindow("Form2");
        ASSERT_TRUE(circle && ui::qt::shownWindow("Form1") && ladder);

        const ui::Image shot = ui::qt::captureScreen(three_shapes::kArea);
        ASSERT_TRUE(ui::savePng(shot, "visual_shapes_qt.png"));
        three_shapes::expectLit(shot);
        EXPECT_TRUE(ui::savePng(ui::qt::capture(*scene.window), "visual_page_qt.png"));

        const ui::Rect ladderBefore = ladder->bounds();
        ASSERT_TRUE(ui::qt::dragOnX({ladderBefore.left + 20, ladderBefore.top + 40}, 50, 50));
        settle(*platform, 50);
        EXPECT_EQ(ladder->bounds().left, ladderBefore.left) << "the locked ladder stays";
        EXPECT_EQ(ladder->bounds().top, ladderBefore.top);

        const ui::Rect circleBefore = circle->bounds();
        ASSERT_TRUE(ui::qt::dragOnX({circleBefore.left + 40, circleBefore.top + 40}, 23, 36));
        settle(*platform, 50);
        const ui::Rect moved = circle->bounds();
        EXPECT_EQ(moved.left % 10, 0) << moved.left;
        EXPECT_EQ(moved.top % 10, 0) << moved.top;
        EXPECT_NE(moved.left, 80) << "the drag moved it";
        scene.page->input(3, lr::makeInteger(0));
        settle(*platform, 50);
        EXPECT_EQ(ui::qt::shownWindow("Form0"), nullptr) << "Stop destroys the shapes";
    }
    lr::resetLifecycle();
}
