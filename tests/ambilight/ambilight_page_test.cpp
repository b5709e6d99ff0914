// The Ambilight page as a user meets it: Start and Stop, the regions each layout samples, the commands
// that reach the port for known screens and balances, the preview, and passes while the clock runs on.
#include <gtest/gtest.h>

#include "ambilight_fixture.h"
#include "screenshot.h"

using namespace lr;
using namespace ambilight_page;
using lr::ambilight::SyntheticScreen;
using Strings = std::vector<std::string>;

namespace {

constexpr ui::Color kWhite = ui::rgb(255, 255, 255);

// The four regions of one pass, in the order sampled.
std::vector<ui::Rect> lastPass(const SyntheticScreen& screen) {
    const auto all = screen.copied();
    return {all.end() - 4, all.end()};
}

}  // namespace

class AmbilightPage : public AmbilightTest {
  protected:
    void start() { ASSERT_TRUE(clickOn("start")); }
    ui::Color swatch(std::size_t k) { return swatches().at(k)->color(); }
    std::vector<ui::headless::HeadlessControl*> swatches() {
        std::vector<ui::headless::HeadlessControl*> out;
        ui::headless::HeadlessControl& group = *byName("preview").parent();
        for (std::size_t i = 0; auto* c = ui::headless::childAt(group, i); ++i)
            if (c->name() == "swatch") out.push_back(c);
        return out;
    }
    // Every region of the screen in one colour.
    void paintRegions(ui::Color c) { screen.fill({0, 0, 1920, 1080}, c); }
    void moveBalance(const char* letter, int position) {
        ASSERT_TRUE(ui::headless::drag(byName(std::string("balance ") + letter), {position}));
    }
};

TEST_F(AmbilightPage, StartSendsP1ReportsTheModeAndSamplesAtTheNextTick) {
    start();
    EXPECT_EQ(takeSent(), Strings{"P1"});
    EXPECT_EQ(page->started.texts(), Strings{"1"});
    EXPECT_EQ(page->running.texts(), Strings{"1"});
    EXPECT_FALSE(byName("start").enabled());
    EXPECT_TRUE(screen.copied().empty()) << "nothing sampled before the first tick";
    pass();
    EXPECT_EQ(screen.copied().size(), 4u);
    ASSERT_TRUE(clickOn("stop"));
    EXPECT_TRUE(byName("start").enabled());
    EXPECT_EQ(page->running.texts(), (Strings{"1", "0"}));
    pass();
    EXPECT_EQ(screen.copied().size(), 4u) << "stopped: no more passes";
    EXPECT_EQ(com5.line->takeWritten().substr(0, 2), "P1") << "the commands reach the port";
}

TEST_F(AmbilightPage, EachLayoutSamplesItsFourRegionsOfTheWorkedExample) {
    using R = ui::Rect;
    struct Case {
        const char* button;  // null: never chosen
        std::vector<R> regions;
    };
    const Case cases[] = {
        {nullptr, {R{0, 0, 240, 450}, R{1680, 0, 240, 450}, R{0, 630, 240, 450}, R{1680, 630, 240, 450}}},
        {"layout 1",
         {R{240, 0, 240, 450}, R{1440, 0, 240, 450}, R{240, 630, 240, 450}, R{1440, 630, 240, 450}}},
        {"layout 2",
         {R{0, 135, 240, 338}, R{1680, 135, 240, 338}, R{0, 608, 240, 338}, R{1680, 608, 240, 338}}},
        {"layout 0", {R{0, 0, 240, 450}, R{1680, 0, 240, 450}, R{0, 630, 240, 450}, R{1680, 630, 240, 450}}},
    };
    start();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button ? c.button : "never set");
        if (c.button) {
            ASSERT_TRUE(clickOn(c.button));
        }
        pass();
        EXPECT_EQ(lastPass(screen), c.regions);
    }
}

TEST_F(AmbilightPage, AScreen1024HighReachesOnePixelPastTheBottomAndReadsItBlack) {
    screen.resize({1280, 1024}, kWhite);
    start();
    pass();
    EXPECT_EQ(lastPass(screen),
              (std::vector<ui::Rect>{
                  {0, 0, 160, 427}, {1120, 0, 160, 427}, {0, 598, 160, 427}, {1120, 598, 160, 427}}));
    EXPECT_EQ(swatch(0), kWhite);
    EXPECT_EQ(swatch(2), ui::rgb(254, 254, 254)) << "426 white rows and one black: 254.4";
}

TEST_F(AmbilightPage, AWhiteScreenSendsTheTwelveChannelsInLampOrderThenNothing) {
    paintRegions(kWhite);
    start();
    takeSent();
    pass();
    EXPECT_EQ(takeSent(), (Strings{"F8", "E8", "D8", "G8", "H8", "I8", "C8", "B8", "A8", "J8", "K8", "L8"}));
    for (int i = 0; i < 3; ++i)
        pass();
    EXPECT_TRUE(takeSent().empty()) << "a still picture sends nothing after the first pass";
    for (std::size_t k = 0; k < 4; ++k)
        EXPECT_EQ(swatch(k), kWhite) << "swatch " << k;
}

TEST_F(AmbilightPage, ComponentsQuantiseWithHalvesToEven) {
    paintRegions(ui::rgb(16, 48, 255));  // green 48, red 16, blue 255
    start();
    takeSent();
    pass();
    EXPECT_EQ(takeSent(), (Strings{"F2", "E0", "D8", "G2", "H0", "I8", "C2", "B0", "A8", "J2", "K0", "L8"}));
}

TEST_F(AmbilightPage, RedBalanceOneMultipliesByEightAndClampsAt255) {
    paintRegions(ui::rgb(40, 0, 0));
    moveBalance("R", 1);
    start();
    takeSent();
    pass();
    const Strings sent = takeSent();
    ASSERT_EQ(sent.size(), 12u);
    EXPECT_EQ(sent[1], "E8") << "40 x 8 = 320, clamped to 255";
    EXPECT_EQ(sent[0], "F0");
}

TEST_F(AmbilightPage, AChangedScaledValueSendsEvenTheSameLevelAgain) {
    paintRegions(ui::rgb(0, 100, 0));
    start();
    pass();
    takeSent();
    screen.fill({0, 0, 240, 450}, ui::rgb(0, 101, 0));
    pass();
    EXPECT_EQ(takeSent(), Strings{"F3"}) << "101 differs from 100, and is level 3 again";
    moveBalance("G", 16);  // halves: 101 -> 50.5 -> 50, 100 -> 50
    pass();
    takeSent();
    screen.fill({0, 0, 240, 450}, ui::rgb(0, 100, 0));
    pass();
    EXPECT_TRUE(takeSent().empty()) << "the scaled value stayed 50";
}

TEST_F(AmbilightPage, ATickWhileAPassRunsIsDroppedAndTheNextFreeTickSamples) {
    start();
    screen.hold();
    loop.advance(100);
    screen.waitForHeldCopy();
    loop.advance(100);  // the pass still runs: this tick starts nothing
    loop.advance(100);
    screen.release();
    page->page().waitForPasses();
    EXPECT_EQ(screen.copied().size(), 4u) << "one pass for three ticks";
    pass();
    EXPECT_EQ(screen.copied().size(), 8u);
}

TEST_F(AmbilightPage, AUniformScreenGivesFourEqualColours) {
    const ui::Color teal = ui::rgb(0, 128, 128);
    paintRegions(teal);
    start();
    pass();
    for (std::size_t k = 0; k < 4; ++k)
        EXPECT_EQ(swatch(k), teal) << "swatch " << k;
}

TEST_F(AmbilightPage, ThePreviewComesAndGoesWithoutTouchingTheSampling) {
    screen.fill({0, 0, 960, 1080}, ui::rgb(255, 0, 0));
    ui::headless::HeadlessControl& preview = byName("preview");
    EXPECT_FALSE(preview.visible());
    ASSERT_TRUE(clickOn("view"));
    EXPECT_TRUE(preview.visible());
    loop.advance(100);
    page->page().waitForPasses();
    loop.pump();
    const ui::Image shown = preview.render();
    EXPECT_EQ(shown.pixel(10, 50), ui::rgb(255, 0, 0)) << "left half red, stretched";
    EXPECT_EQ(shown.pixel(185, 50), 0u) << "right half black";
    EXPECT_TRUE(screen.copied().size() == 1u) << "the preview's own whole-screen copy, no sampling";
    start();
    takeSent();
    pass();
    const Strings withPreview = takeSent();
    ASSERT_TRUE(clickOn("fast"));
    EXPECT_FALSE(preview.visible());
    const std::size_t copies = screen.copied().size();
    pass();
    EXPECT_EQ(screen.copied().size(), copies + 4) << "sampling goes on alone";
    EXPECT_EQ(withPreview.size(), 12u);
}

TEST_F(AmbilightPage, RemoteOneWhileRunningSendsP1AgainAndKeepsSampling) {
    start();
    page->input(1, makeInteger(1));
    EXPECT_EQ(takeSent(), (Strings{"P1", "P1"}));
    EXPECT_EQ(page->started.texts(), (Strings{"1", "1"}));
    pass();
    EXPECT_EQ(screen.copied().size(), 4u);
    page->input(1, makeInteger(0));
    EXPECT_TRUE(byName("start").enabled());
    EXPECT_EQ(page->running.texts(), (Strings{"1", "1", "0"}));
    pass();
    EXPECT_EQ(screen.copied().size(), 4u);
}

TEST_F(AmbilightPage, ALayoutChosenWhileRunningSwitchesThePictureAtOnceAndTheRegionsNextPass) {
    start();
    pass();
    ASSERT_TRUE(clickOn("layout 2"));
    EXPECT_FALSE(byName("layout picture 0").visible());
    EXPECT_FALSE(byName("layout picture 1").visible());
    EXPECT_TRUE(byName("layout picture 2").visible());
    pass();
    EXPECT_EQ(lastPass(screen)[0], (ui::Rect{0, 135, 240, 338}));
}

TEST_F(AmbilightPage, StopKeepsTheLastValuesSoARestartSendsOnlyChanges) {
    paintRegions(kWhite);
    start();
    pass();
    ASSERT_TRUE(clickOn("stop"));
    screen.fill({0, 0, 240, 450}, ui::rgb(0, 0, 0));
    takeSent();
    start();
    pass();
    EXPECT_EQ(takeSent(), (Strings{"P1", "F0", "E0", "D0"}));
}

TEST_F(AmbilightPage, ClosingWhileAPassRunsWaitsForItAndDropsItsLateCommands) {
    paintRegions(kWhite);
    start();
    screen.hold();
    loop.advance(100);
    screen.waitForHeldCopy();
    std::thread releaser([this] { screen.release(); });
    page.reset();
    releaser.join();
    EXPECT_EQ(screen.copied().size(), 4u) << "the pass ran to its end";
    loop.pump();  // commands the pass posted find no page
}

// Run under ThreadSanitizer: sampling and preview threads while the user moves sliders, switches
// layouts and the port closes and opens again.
TEST_F(AmbilightPage, SamplingPreviewSlidersLayoutsAndThePortAllAtOnce) {
    screen.fill({0, 0, 960, 540}, ui::rgb(200, 30, 90));
    start();
    ASSERT_TRUE(clickOn("view"));
    const char* layouts[] = {"layout 0", "layout 1", "layout 2"};
    for (int i = 0; i < 60; ++i) {
        moveBalance("R", 1 + i % 16);
        moveBalance("B", 16 - i % 16);
        ASSERT_TRUE(clickOn(layouts[i % 3]));
        if (i % 7 == 0) fireNull(page->link.close());
        if (i % 7 == 3) fireString(page->link.open(), "COM5");
        screen.fill({0, 0, 240, 450}, ui::rgb(i * 4, 255 - i * 4, i));
        loop.advance(50);
    }
    page->page().waitForPasses();
    loop.pump();
    EXPECT_GT(screen.copied().size(), 4u);
    const Strings sent = takeSent();
    ASSERT_GT(sent.size(), 1u);
    for (const std::string& s : sent) {
        const bool channel = s.size() == 2 && s[0] >= 'A' && s[0] <= 'L' && s[1] >= '0' && s[1] <= '8';
        EXPECT_TRUE(channel || s == "P1") << s;
    }
}

TEST_F(AmbilightPage, ThePageAsDrawn) {
    ui::headless::HeadlessControl& panel = byName("totalpanel");
    EXPECT_EQ(panel.bounds(), (ui::Rect{5, 25, 525, 435}));
    ASSERT_FALSE(saveScreenshot(panel, "ambilight_page").empty());
    // Group places plus the places inside them.
    expectTexts(panel, {{"Control", {11, 0, 500, 13}},
                        {"View", {310, 35, 36, 19}},
                        {"Fast", {425, 35, 36, 19}},
                        {"Colors of Channels", {12, 65, 499, 13}},
                        {"E,F,D", {87, 110, 25, 11}},
                        {"B,C,A", {87, 175, 25, 11}},
                        {"H,I,G", {416, 110, 25, 11}},
                        {"K,L,J", {416, 175, 25, 11}},
                        {"Color balance", {13, 255, 502, 13}},
                        {"R", {12, 270, 8, 16}},
                        {"G", {193, 270, 8, 16}},
                        {"B", {362, 270, 8, 16}},
                        {"Screen Proportions", {11, 310, 500, 13}}});
    const ui::Image shot = panel.render();
    EXPECT_EQ(shot.pixel(4 + 114 + 17, 65 + 19 + 30), 0xC0DCC0u) << "a swatch before the first pass";
    EXPECT_EQ(shot.pixel(2, 430), 0xC0C0C0u);
    EXPECT_FALSE(byName("preview").visible());
    EXPECT_EQ(byName("balance R").position(), 8);
}
