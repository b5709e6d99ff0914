// The main container with probe pages: what each page receives and when, what reaches the port, the
// lights gate, the closing order, the tray menu, the hotkeys and the four on/off states.
#include <gtest/gtest.h>

#include "device/protocol.h"
#include "shell_fixture.h"

using namespace lr;
using namespace ui::headless;

namespace {
using Lines = std::vector<std::string>;
const std::string kAllOff(device::kAllOff);
constexpr int kF5 = 116;
constexpr unsigned kCtrlShift = ui::hotkeymod::Ctrl | ui::hotkeymod::Shift;

class ModePagesTest : public ShellTest {
  protected:
    // Every page's show input after the restore of `mode`.
    static Lines shown(std::size_t mode) {
        Lines lines;
        for (std::size_t k = 0; k < kModeCount; ++k)
            lines.push_back(std::to_string(k) + ".0=" + (k == mode ? "1" : "0"));
        return lines;
    }
    HeadlessMenu& trayMenu() {
        tray().send(ui::TrayEvent::Click, ui::MouseButton::Right);
        HeadlessMenu* menu = toolkit().openMenu();
        EXPECT_NE(menu, nullptr);
        return *menu;
    }
    bool checked(std::string_view item) {
        const ui::MenuItem* found = toolkit().menus().at(0)->find(item);
        return found && found->checked;
    }
};
}  // namespace

TEST_F(ModePagesTest, StartRunsThePagesInOrderThenRestoresThePageAMillisecondLater) {
    build();
    EXPECT_EQ(log.take(), (Lines{"0.1=", "5.2=", "1.1=", "2.1=", "4.1=", "6.1="}));
    EXPECT_EQ(window().bounds().height, 599);
    loop.advance(1);
    EXPECT_EQ(log.take(), shown(mode::Connect));
    EXPECT_EQ(window().bounds().height, 259);
}

TEST_F(ModePagesTest, EachModeShowsItsPageAndFitsTheWindow) {
    build();
    loop.advance(1);
    log.take();
    const int heights[kModeCount] = {259, 586, 548, 498, 557, 282, 264};
    for (std::size_t k = 0; k < kModeCount; ++k) {
        SCOPED_TRACE(k);
        clickOn(kModeButtons[k].caption);
        EXPECT_EQ(log.take(), shown(k));
        EXPECT_EQ(window().bounds().height, heights[k]);
        EXPECT_NE(ini().find("page=" + std::to_string(k)), std::string::npos);
    }
}

TEST_F(ModePagesTest, TheChosenPageIsTheFirstOfTheNextRun) {
    build();
    clickOn("Auto");
    close();
    log.take();
    build();
    loop.advance(1);
    EXPECT_EQ(log.take().back(), "6.0=0");
    EXPECT_EQ(window().bounds().height, 557);
}

TEST_F(ModePagesTest, AStoredPageOutOfRangeOrUnreadableOpensConnect) {
    for (const char* text : {"[init]\r\npage=99\r\n", "[init]\r\npage=-3\r\n", "\x01\x02\xff[init\r\npage",
                             "[init]\r\npage=abc\r\n"}) {
        SCOPED_TRACE(text);
        sys.putFile("C:\\Prog\\lumenrig.ini", text);
        build();
        loop.advance(1);
        const Lines lines = log.take();
        ASSERT_GE(lines.size(), kModeCount);
        EXPECT_EQ(Lines(lines.end() - kModeCount, lines.end()), shown(mode::Connect));
        EXPECT_EQ(window().bounds().height, 259);
        close();
    }
}

TEST_F(ModePagesTest, EveryProducerReachesThePortWhileTheLightsAreOn) {
    build();
    openPort();
    const std::size_t producers[] = {mode::Connect,   mode::Effect, mode::ColorOrgan,
                                     mode::Ambilight, mode::Auto,   mode::WS2812};
    for (std::size_t k : producers)
        page(k).send(0, makeString("A" + std::to_string(k)));
    EXPECT_EQ(written(), "A0A1A2A3A4A6");
    page(mode::ColorOrgan).send(0, makeString("A5"));
    page(mode::ColorOrgan).send(0, makeString("B3"));
    EXPECT_EQ(written(), "A5B3");
}

TEST_F(ModePagesTest, LightsOffDropsCommandsAndEachSwitchWritesAllOffOnce) {
    build();
    openPort();
    log.take();
    clickOn("Lights On/Off");
    EXPECT_EQ(written(), kAllOff);
    page(mode::ColorOrgan).send(0, makeString("A5"));
    page(mode::Connect).send(0, makeString("P2 S5"));
    EXPECT_EQ(written(), "");
    EXPECT_EQ(log.take(), (Lines{"5.1=" + kAllOff}));  // the Visual page sees what the port sees
    clickOn("Lights On/Off");
    page(mode::ColorOrgan).send(0, makeString("A5"));
    EXPECT_EQ(written(), kAllOff + "A5");
    EXPECT_EQ(log.take(), (Lines{"5.1=" + kAllOff, "5.1=A5"}));
}

TEST_F(ModePagesTest, CommandsWhileThePortIsClosedAreLost) {
    build();
    page(mode::ColorOrgan).send(0, makeString("A5"));
    openPort();
    page(mode::ColorOrgan).send(0, makeString("B3"));
    page(mode::Connect).send(2, TData{});  // Close Port
    page(mode::ColorOrgan).send(0, makeString("C1"));
    EXPECT_EQ(written(), "B3");
}

TEST_F(ModePagesTest, ClosingWritesAllOffFirstThenClosesThePagesAndRemovesTheIcon) {
    build();
    openPort();
    loop.advance(1);
    log.take();
    close();
    EXPECT_EQ(written(), kAllOff);
    EXPECT_EQ(log.take(), (Lines{"5.1=" + kAllOff, "0.2=", "2.2=", "4.2=", "5.5="}));
    EXPECT_FALSE(tray().shown());
    EXPECT_TRUE(window().closed());
}

TEST_F(ModePagesTest, TheTrayMenuFlipsTheStatesAndMovesItsCheckMarks) {
    build();
    log.take();
    HeadlessMenu& menu = trayMenu();
    ASSERT_EQ(menu.items().size(), 10u);
    EXPECT_EQ(menu.items()[7].text, "Lights On/Off (Cntr+Shift+F9) ");
    struct Case {
        const char* item;
        std::string sent;
    };
    const Case cases[] = {
        {"Visualization (Cntr+Shift+F5)", "5.3=1"},
        {"Automation", "4.4=1"},
        {"Ambilight", "3.1=1"},
        {"Color Organ (Cntr+Shift+F6)", "2.3=1"},
        {"Save Visual Scheme", "5.4="},
        {"Sublist to run with music (Cntr+Shift+F7)", "2.5="},
        {"Start Random Scheme (Cntr+Shift+F8)", "2.4="},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        trayMenu();
        EXPECT_TRUE(chooseMenuItem(toolkit(), c.item));
        EXPECT_EQ(log.take(), Lines{c.sent});
        if (c.sent.ends_with("=1")) {
            EXPECT_TRUE(checked(c.item));
        }
    }
    trayMenu();
    EXPECT_TRUE(chooseMenuItem(toolkit(), "All Off"));
    EXPECT_EQ(log.take(), (Lines{"5.3=0", "4.4=0", "3.1=0", "2.3=0"}));
    EXPECT_FALSE(checked("Color Organ (Cntr+Shift+F6)"));
    trayMenu();
    EXPECT_TRUE(chooseMenuItem(toolkit(), "All Off"));  // already off: sent all the same
    EXPECT_EQ(log.take(), (Lines{"5.3=0", "4.4=0", "3.1=0", "2.3=0"}));
}

TEST_F(ModePagesTest, APageReportSetsTheStateWithoutSendingItBack) {
    build();
    log.take();
    page(mode::ColorOrgan).send(2, makeInteger(1));
    EXPECT_TRUE(checked("Color Organ (Cntr+Shift+F6)"));
    EXPECT_TRUE(log.take().empty());
    trayMenu();
    chooseMenuItem(toolkit(), "Color Organ (Cntr+Shift+F6)");
    EXPECT_EQ(log.take(), Lines{"2.3=0"});  // the flip starts from the reported state
    page(mode::Visual).send(0, makeInteger(1));
    page(mode::Auto).send(2, makeInteger(1));
    page(mode::Ambilight).send(2, makeInteger(1));
    EXPECT_TRUE(checked("Visualization (Cntr+Shift+F5)"));
    EXPECT_TRUE(checked("Automation"));
    EXPECT_TRUE(checked("Ambilight"));
}

TEST_F(ModePagesTest, HotkeysRegisterASecondAfterStartAndDoWhatTheirItemsDo) {
    build();
    openPort();
    EXPECT_FALSE(toolkit().pressHotKey(kF5 + 1, kCtrlShift));
    loop.advance(999);
    EXPECT_FALSE(toolkit().pressHotKey(kF5 + 1, kCtrlShift));
    loop.advance(1);
    log.take();
    EXPECT_TRUE(toolkit().pressHotKey(kF5 + 1, kCtrlShift));
    EXPECT_TRUE(checked("Color Organ (Cntr+Shift+F6)"));
    EXPECT_TRUE(toolkit().pressHotKey(kF5 + 1, kCtrlShift));
    EXPECT_FALSE(checked("Color Organ (Cntr+Shift+F6)"));
    EXPECT_TRUE(toolkit().pressHotKey(kF5, kCtrlShift));
    EXPECT_TRUE(toolkit().pressHotKey(kF5 + 2, kCtrlShift));
    EXPECT_TRUE(toolkit().pressHotKey(kF5 + 3, kCtrlShift));
    EXPECT_EQ(log.take(), (Lines{"2.3=1", "2.3=0", "5.3=1", "2.5=", "2.4="}));
    EXPECT_TRUE(toolkit().pressHotKey(kF5 + 4, kCtrlShift));
    EXPECT_EQ(written(), kAllOff);
}

TEST_F(ModePagesTest, AHotkeyTakenElsewhereLeavesTheOthersWorking) {
    toolkit().takeHotKeyElsewhere(kF5 + 2, kCtrlShift);
    build();
    loop.advance(1000);
    log.take();
    for (int k = 0; k < 4; ++k)
        if (k != 2) {
            EXPECT_TRUE(toolkit().pressHotKey(kF5 + k, kCtrlShift)) << k;
        }
    EXPECT_EQ(log.take(), (Lines{"5.3=1", "2.3=1", "2.4="}));  // F5, F6, F8
}

TEST_F(ModePagesTest, ConnectPageOutputsReachTheirPagesAndTheTray) {
    build();
    log.take();
    page(mode::Connect).send(4, makeInteger(1));
    page(mode::Connect).send(5, makeInteger(1));
    page(mode::Connect).send(6, makeInteger(1));
    EXPECT_EQ(log.take(), (Lines{"2.3=1", "4.4=1", "5.3=1"}));
    page(mode::Connect).send(3, TData{});
    loop.advance(0);
    EXPECT_TRUE(window().minimised());
    EXPECT_TRUE(tray().shown());
}

TEST_F(ModePagesTest, ModeStartsResetTheDevicePanelsAndTheReadBackReachesThem) {
    build();
    openPort();
    loop.advance(1);
    log.take();
    for (std::size_t k : {mode::ColorOrgan, mode::Ambilight, mode::Auto})
        page(k).send(1, makeInteger(1));
    EXPECT_EQ(log.take(), (Lines{"1.3=1", "1.3=1", "1.3=1"}));
    page(mode::Effect).send(0, makeString("Z2"));
    page(mode::Effect).send(1, TData{});
    loop.advance(100);
    EXPECT_EQ(log.take(), (Lines{"5.1=Z2", "1.2=" + std::string(31, '0')}));  // nobody answered
    page(mode::Effect).send(2, makeString("row"));
    page(mode::WS2812).send(1, makeString("row2"));
    EXPECT_EQ(log.take(), (Lines{"4.3=row", "4.3=row2"}));
}
