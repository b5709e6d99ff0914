// The group and both windows lit, as the headless canvas draws them, kept beside the test program.
#include "screenshot.h"
#include "strip_fixture.h"

using namespace lr;

namespace {
const char* const kRainbow =
    "255,33023,65535,65280,16776960,16711680,16711935,8388736,32896,8421376,12632256,16777215";
const char* const kAllFull = "A8B8C8D8E8F8G8H8I8J8K8L8";
}  // namespace

TEST_F(StripTest, ScreenshotOfTheGroup) {
    startProgram();
    ui::headless::check(box("Strip"), true);
    auto& page = ui::headless::asHeadless(*host);
    const ui::Image shot = saveScreenshot(page, "strips_group");
    EXPECT_EQ(shot.pixel(300, 190), ui::rgb(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(box("Strip").bounds(), (ui::Rect{15, 17, 70, 15}));
    expectTexts(page, {
                          {"Strip", {8, 163, 508, 13}},
                          {"Smooth Strip", {100, 180, 110, 15}},
                          {"*Strips in test", {240, 180, 150, 15}},
                      });
}

TEST_F(StripTest, ScreenshotOfBothWindowsLit) {
    setSetting("init", "strip_colors", kRainbow);
    setSetting("init", "smooth_strip_colors", kRainbow);
    setSetting("init", "\xE0uto_visual_strip", "1");
    setSetting("init", "\xE0uto_visual_smooth_strip", "1");
    platform.headlessResources().addBitmap("BITMAP92", ui::Image(15, 42, ui::rgb(200, 0, 0)));
    platform.headlessResources().addBitmap("BITMAP93", ui::Image(15, 42, ui::rgb(0, 0, 200)));
    startProgram();
    send(kAllFull);
    auto& flat = ui::headless::asHeadless(strip().form().window());
    auto& smoothWindow = ui::headless::asHeadless(smooth().form().window());
    const ui::Image flatShot = saveScreenshot(flat, "strip_window");
    const ui::Image smoothShot = saveScreenshot(smoothWindow, "smooth_strip_window");
    ASSERT_EQ(flatShot.size(), (ui::Size{492, 42}));
    ASSERT_EQ(smoothShot.size(), (ui::Size{492, 42}));
    // The stored colours, each minus the darkening of level 8.
    EXPECT_EQ(flatShot.pixel(3, 3), ui::rgb(248, 0, 0));
    EXPECT_EQ(flatShot.pixel(3 * 38 + 3, 3), ui::rgb(0, 248, 0));
    EXPECT_EQ(flatShot.pixel(11 * 38 + 3, 3), ui::rgb(248, 248, 248));
    EXPECT_GT(smoothShot.pixel(19, 38) & 0xFF, 220u) << "lamp 1 runs to channel A's red";
    EXPECT_LT(smoothShot.pixel(19, 3) & 0xFF, 20u) << "from black";
    std::vector<DrawnText> letters;
    for (int k = 0; k < 12; ++k)
        letters.push_back({std::string(1, static_cast<char>('A' + k)), {k * 38, 0, 38, 42}});
    expectTexts(flat, letters);

    ui::headless::click(lamp('L'), ui::MouseButton::Middle);
    const ui::Image withButtons = saveScreenshot(flat, "strip_window_buttons");
    EXPECT_EQ(withButtons.pixel(469, 20), ui::rgb(0, 0, 200)) << "reset at x 462";
    EXPECT_EQ(withButtons.pixel(484, 20), ui::rgb(200, 0, 0)) << "close at x 477";
    EXPECT_EQ(withButtons.pixel(450, 20), flatShot.pixel(450, 20)) << "lamp L stays in sight";
}
