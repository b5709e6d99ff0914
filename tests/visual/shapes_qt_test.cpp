// The three shapes as real windows of the Qt backend under Xvfb: lit over a coloured desktop,
// see-through where white (the shape mask), and a mouse drag that lands on multiples of 10.
#include <gtest/gtest.h>

#include "resources/artwork.h"
#include "runtime/lifecycle.h"
#include "settings/memory_system.h"
#include "ui/png.h"
#include "ui/qt/qt_platform.h"
#include "ui/qt/qt_user.h"
#include "visual/visual_page.h"

namespace {

constexpr ui::Color kDesktop = ui::rgb(40, 90, 160);
constexpr ui::Rect kArea{60, 60, 400, 240};

char programName[] = "visual_qt_tests";
char* programArgs[] = {programName, nullptr};
int programArgc = 1;

class Harness : public lr::TClassMultiBase {
  public:
    explicit Harness(ui::Control* parent)
        : TClassMultiBase(parent, nullptr), outer(make<lr::THIMultiElement>(parent, this, 1, 0)) {
        outer.setCreate([this](ui::Control* p, lr::TClassMultiBase* o) {
            return std::make_unique<lr::TClassChildPanel_2DEABE0>(p, o, outer);
        });
    }
    void input(std::uint16_t index, lr::TData data = {}) { outer.doWork(data, index); }
    lr::THIMultiElement& outer;
};

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
    sys.addFolder("C:\\Prog\\visualization");
    const settings::ScopedSystem sysScope(sys);
    sys.putFile(
        "C:\\Prog\\visualization\\Three.vsc",
        "[circle_color]\r\n0=80:80:A:B:C:D:255:0:0\r\n[rectangle]\r\n0=200:80:120:100:A:B:C:255:0:0\r\n"
        "[led_ledder]\r\n0=340:80:E:255:1:0\r\n");
    sys.putFile("C:\\Prog\\lumenrig.ini", "[scheme]\r\nvisualization=Three\r\n");
    const auto platform = ui::qt::QtPlatform::create(programArgc, programArgs);
    ASSERT_TRUE(platform);
    art::addTo(platform->builtInResources());
    {
        const ui::ScopedPlatform scope(*platform);
        lr::resetLifecycle();
        auto desktop =
            platform->toolkit().createWindow({"desktop", {0, 0, 800, 600}, ui::WindowBorder::None, kDesktop});
        desktop->setVisible(true);
        auto host = platform->toolkit().createWindow({"Lumenrig", {0, 620, 541, 240}});
        host->setVisible(true);
        Harness page(host.get());
        lr::start();
        page.input(0, lr::makeInteger(1));
        page.input(2);
        page.input(3, lr::makeInteger(1));
        for (const char* c : {"A8", "B4", "C0", "D6", "E5"})
            page.input(1, lr::makeString(c));
        settle(*platform);
        ui::Control* circle = ui::qt::shownWindow("Form0");
        ui::Control* ladder = ui::qt::shownWindow("Form2");
        ASSERT_TRUE(circle && ui::qt::shownWindow("Form1") && ladder);

        const ui::Image shot = ui::qt::captureScreen(kArea);
        ASSERT_TRUE(ui::savePng(shot, "visual_shapes_qt.png"));
        auto at = [&](int x, int y) { return shot.pixel(x - kArea.left, y - kArea.top); };
        EXPECT_EQ(at(120, 120), ui::rgb(248, 124, 0)) << "the lit circle";
        EXPECT_EQ(at(82, 82), kDesktop) << "the circle's white corner is see-through";
        EXPECT_EQ(at(120, 175), kDesktop) << "so is the white under its lamp";
        EXPECT_EQ(at(377, 80 + 5 + 145 - 8), ui::rgb(0, 255, 0)) << "the ladder's lowest segment";
        EXPECT_EQ(at(377, 92), kDesktop) << "its unlit top segment is see-through";
        EXPECT_TRUE(ui::savePng(ui::qt::capture(*host), "visual_page_qt.png"));

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
        page.input(3, lr::makeInteger(0));
        settle(*platform, 50);
        EXPECT_EQ(ui::qt::shownWindow("Form0"), nullptr) << "Stop destroys the shapes";
    }
    lr::resetLifecycle();
}
