// The main container's own parts: window commands, the heartbeat, the window's place between runs, the
// manual, the restart after a language change, and a look at the whole window.
#include <gtest/gtest.h>

#include "screenshot.h"

#include "device/protocol.h"
#include "shell_fixture.h"
#include "ui/png.h"

using namespace lr;
using namespace ui::headless;

namespace {
using Lines = std::vector<std::string>;

class MainContainerTest : public ShellTest {
  protected:
    std::optional<std::int32_t> watchDog() {
        const auto v = sys.registry().read(settings::RegistryRoot::LocalMachine, "Software\\Vxt_Lumenrig_12",
                                           "WatchDog");
        if (!v) return std::nullopt;
        return v->integer;
    }
    HeadlessControl& imageButtonAt(int left) {
        HeadlessControl* strip = findAnywhere(toolkit(), byName("top strip"));
        EXPECT_NE(strip, nullptr);
        for (std::size_t i = 0;; ++i) {
            HeadlessControl* c = childAt(*strip, i);
            EXPECT_NE(c, nullptr) << left;
            if (c->kind() == ui::ControlKind::ImageButton && c->bounds().left == left) return *c;
        }
    }
};
}  // namespace

TEST_F(MainContainerTest, TheHeartbeatCountsToAHundredAndStartsAgain) {
    build();
    EXPECT_EQ(watchDog(), std::nullopt);
    loop.advance(5000);
    EXPECT_EQ(watchDog(), 5);
    loop.advance(95000);
    EXPECT_EQ(watchDog(), 100);
    loop.advance(1000);
    EXPECT_EQ(watchDog(), 0);
}

TEST_F(MainContainerTest, AlwaysOnTopFlipsTopmostAndAlpha) {
    build();
    EXPECT_FALSE(window().topmost());
    clickOn("Always on Top");
    EXPECT_TRUE(window().topmost());
    EXPECT_EQ(window().alpha(), 180);
    clickOn("Always on Top");
    EXPECT_FALSE(window().topmost());
    EXPECT_EQ(window().alpha(), 255);
}

TEST_F(MainContainerTest, MinimiseGoesToTheTrayAndALeftClickOnTheIconBringsItBack) {
    build();
    EXPECT_TRUE(click(imageButtonAt(475)));
    EXPECT_FALSE(window().minimised());  // posted, as the system command is
    loop.advance(0);
    EXPECT_TRUE(window().minimised());
    EXPECT_FALSE(window().visible());
    EXPECT_TRUE(tray().shown());
    tray().send(ui::TrayEvent::Click, ui::MouseButton::Left);
    EXPECT_FALSE(window().minimised());
    EXPECT_TRUE(window().visible());
    tray().send(ui::TrayEvent::Click, ui::MouseButton::Left);
    loop.advance(0);
    EXPECT_TRUE(window().minimised());
}

TEST_F(MainContainerTest, TheCloseButtonClosesThroughTheWholeClosingPath) {
    build();
    openPort();
    EXPECT_TRUE(click(imageButtonAt(493)));
    loop.advance(0);
    EXPECT_TRUE(window().closed());
    EXPECT_FALSE(tray().shown());
    EXPECT_EQ(written(), std::string(device::kAllOff));
}

TEST_F(MainContainerTest, ThePlaceIsReadWhenFirstShownAndWrittenAtClose) {
    build();
    close();
    EXPECT_NE(ini().find("[main_position]\r\nLeft=689\r\nTop=240\r\nWidth=541\r\nHeight=599"),
              std::string::npos)
        << ini();
    sys.putFile("C:\\Prog\\lumenrig.ini", "[main_position]\r\nLeft=30\r\nTop=40\r\n");
    build();
    EXPECT_EQ(window().bounds(), (ui::Rect{30, 40, 541, 599}));
    dragWindow(root().mainForm().window(), 10, 5);
    close();
    EXPECT_NE(ini().find("Left=40\r\nTop=45"), std::string::npos) << ini();
}

// A stored size of zero or less would leave a window nobody can see: the window keeps its own.
TEST_F(MainContainerTest, AStoredSizeOfNothingIsNotTaken) {
    sys.putFile("C:\\Prog\\lumenrig.ini", "[main_position]\r\nLeft=30\r\nTop=40\r\nWidth=0\r\nHeight=-5\r\n");
    build();
    EXPECT_EQ(window().bounds(), (ui::Rect{30, 40, 541, 599}));
}

TEST_F(MainContainerTest, AWindowNeverShownWritesNoPlace) {
    auto tree = std::make_unique<TClassMainForm_1E8A0D0>();
    tree.reset();
    EXPECT_EQ(ini().find("main_position"), std::string::npos);
}

TEST_F(MainContainerTest, TheManualOpensInTheLanguageOfTheSettings) {
    sys.putFile("C:\\Prog\\lumenrig.ini", "[localization]\r\nlanguage=Russian\r\n");
    build();
    clickOn("Manual");
    ASSERT_EQ(sys.opened.size(), 1u);
    EXPECT_EQ(sys.opened[0].verb, "open");
    EXPECT_EQ(sys.opened[0].file, "C:\\Prog\\manual\\Manual_Russian.pdf");
}

TEST_F(MainContainerTest, TheWebButtonOpensNothingWhileTheAddressListIsEmpty) {
    build();
    clickOn("Get more info on the blog");
    EXPECT_TRUE(sys.opened.empty());
}

TEST_F(MainContainerTest, TheWholeWindowOnFirstStart) {
    build(true);
    loop.advance(1);
    const ui::Image shot = saveScreenshot(window(), "main_window_connect");
    EXPECT_EQ(shot.width(), 541);
    EXPECT_EQ(shot.height(), 259);
}

// The chosen mode's button in the selected colour, the other six in the plain one.
TEST_F(MainContainerTest, TheModeBarShowsEachModeInItsColours) {
    build();
    constexpr ui::Color selected = 0xC0C0C0, plain = 0xA4A0A0;
    constexpr int barLeft = 5, barTop = 47, face = 60, faceTop = 4;  // a point of each face off its picture
    for (const std::size_t mode : {mode::Auto, mode::Connect}) {
        clickOn(kModeButtons[mode].caption);
        const ui::Image shot = saveScreenshot(window(), "mode_bar_" + std::to_string(mode));
        for (std::size_t k = 0; k < kModeCount; ++k)
            EXPECT_EQ(shot.pixel(barLeft + 70 * static_cast<int>(k) + face, barTop + faceTop),
                      k == mode ? selected : plain)
                << "mode " << mode << ", button " << k;
    }
}

TEST_F(MainContainerTest, TheSavedPortIsOpenedASecondAfterStartAndClosingTurnsAllOff) {
    sys.putFile("C:\\Prog\\lumenrig.ini", "[init]\r\n\xE0uto_com=1\r\ncur_com=5\r\n");
    build(true);
    loop.advance(999);
    EXPECT_EQ(port.openAttempts, 1);  // the scan's probe
    loop.advance(1);
    EXPECT_EQ(port.openAttempts, 2);
    close();
    EXPECT_EQ(written(), std::string(device::kAllOff));
}

TEST_F(MainContainerTest, ChoosingALanguageClosesAndStartsTheProgramAgain) {
    sys.putFile("localization\\Russian.lng", "Connect|x\r\n");  // the chooser looks in the current folder
    build(true);
    clickOn("Language");
    ASSERT_TRUE(pick(*findAnywhere(toolkit(), byName("languages")), "Russian"));
    loop.advance(0);
    EXPECT_TRUE(window().closed());
    ASSERT_EQ(sys.opened.size(), 1u);
    EXPECT_EQ(sys.opened[0].file, "C:\\Prog\\lumenrig.exe");
    EXPECT_EQ(sys.opened[0].parameters, "");
    EXPECT_NE(ini().find("language=Russian"), std::string::npos);
}

TEST_F(MainContainerTest, TheRememberedPageComesUpAtItsHeight) {
    sys.putFile("C:\\Prog\\lumenrig.ini", "[init]\r\npage=4\r\n");
    build(true);
    loop.advance(1);
    EXPECT_EQ(window().bounds().height, kPagePoints[mode::Auto].windowHeight);
}
