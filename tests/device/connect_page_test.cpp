// The Connect page inside a small mode-pages stand-in: its outputs are recorded and drive a device link
// to in-memory lines, as the program wires them; the user clicks, types and waits on the virtual clock.
#include <gtest/gtest.h>

#include "screenshot.h"

#include <algorithm>
#include <array>
#include <functional>
#include <stdexcept>
#include <utility>

#include "device/connect_page.h"
#include "device/device_link.h"
#include "device_fixture.h"
#include "recorder.h"
#include "runtime/multi_element.h"
#include "settings/ini_file.h"
#include "settings/memory_system.h"
#include "settings/paths.h"
#include "ui/headless/user.h"
#include "ui/png.h"
#include "ui/software_painter.h"

using namespace lr;
using ui::headless::asHeadless;
using ui::headless::byCaption;
using ui::headless::byName;
using ui::headless::findAnywhere;

namespace {

constexpr const char* kIni = "C:\\Prog\\lumenrig.ini";
constexpr std::size_t kOutputs = 7;
enum Out : std::size_t { Command, OpenPort, ClosePort, Tray, ColorOrgan, Automation, Visualization };

// Records what passes and hands it on.
class Tap : public Recorder {
  public:
    Point next;
    void pass(TData& data) {
        take(data, 0);
        fireCopy(next, data);
    }
};

// The page's outer element and what the mode pages container links to it: the send box to the link's
// merge, open and close to the port.
class Harness : public TClassMultiBase {
  public:
    explicit Harness(ui::Control* parent)
        : TClassMultiBase(parent, nullptr),
          link(own<DeviceLink>(this)),
          outer(make<THIMultiElement>(parent, this, kOutputs, 0)) {
        for (std::size_t i = 0; i < kOutputs; ++i)
            outer.outputs[i] = bind<&Tap::pass>(taps[i]);
        taps[Command].next = link.command(2);
        taps[OpenPort].next = link.open();
        taps[ClosePort].next = link.close();
        outer.setCreate([this](ui::Control* p, TClassMultiBase* o) {
            return std::make_unique<TClassChildPanel_2D0BB10>(p, o, outer);
        });
    }
    void input(std::uint16_t index, TData data = {}) { outer.doWork(data, index); }
    TData data(std::uint16_t index) {
        TData d;
        outer.Data(d, index);
        return d;
    }
    std::size_t events() const {
        std::size_t n = 0;
        for (const Tap& t : taps)
            n += t.values.size();
        return n;
    }

    std::array<Tap, kOutputs> taps;
    DeviceLink& link;
    THIMultiElement& outer;
};

std::vector<std::string> texts(std::initializer_list<const char*> list) {
    return {list.begin(), list.end()};
}

}  // namespace

class ConnectPage : public DeviceTest {
  protected:
    ConnectPage() {
        sys.addFolder("C:\\Prog");
        window->setVisible(true);
    }
    ui::headless::HeadlessControl& control(const ui::headless::Match& match, const char* what) {
        auto* found = findAnywhere(toolkit(), match);
        if (!found) throw std::runtime_error(std::string("not on screen: ") + what);
        return *found;
    }
    ui::headless::HeadlessControl& byText(const char* caption) {
        return control(byCaption(caption), caption);
    }
    ui::headless::HeadlessControl& list() {
        return control(ui::headless::byKind(ui::ControlKind::ComboBox), "list");
    }
    ui::headless::HeadlessControl& sendBox() {
        return control(ui::headless::byKind(ui::ControlKind::Edit), "edit");
    }
    std::vector<bool> choiceEnabled() {
        return {byText("Open Port").enabled(), byText("Scan Ports").enabled(), list().enabled()};
    }
    void start() { page.input(1); }
    void setIni(const std::string& text) { sys.putFile(kIni, text); }
    Tap& out(Out which) { return page.taps[which]; }

    settings::MemorySystem sys;
    settings::ScopedSystem scope{sys};
    BoundLine com3{3};
    BoundLine com5{5};
    std::unique_ptr<ui::Window> window = toolkit().createWindow({"Lumenrig", {0, 0, 541, 259}});
    Harness page{window.get()};
};

TEST_F(ConnectPage, StartListsThePortsFoundAndSelectsTheFirstWithoutSendingAnything) {
    start();
    EXPECT_EQ(list().items(), texts({"COM 3", "COM 5"}));
    EXPECT_EQ(list().selected(), 0);
    EXPECT_EQ(com3.line->takeWritten() + com5.line->takeWritten(), "");
    EXPECT_FALSE(com3.line->isOpen());
    EXPECT_FALSE(com5.line->isOpen());

    BoundLine com1{1};
    ASSERT_TRUE(click(byText("Scan Ports")));
    EXPECT_EQ(list().items(), texts({"COM 1", "COM 3", "COM 5"})) << "a new scan replaces the list";
    EXPECT_EQ(list().selected(), 0);
    EXPECT_EQ(page.events(), 0u);
}

TEST_F(ConnectPage, AControllerPulledOutDuringTheScanIsLeftOutAndThePageStaysUsable) {
    const auto com4 = device::MemoryLine::create();
    bool pulled = false;
    device::VirtualPortBinding pulling(4, [&](const device::LineSettings& s) {
        if (!std::exchange(pulled, true)) com5.line->unplug();  // while COM 4 is probed
        return com4->open(s);
    });
    start();
    EXPECT_EQ(list().items(), texts({"COM 3", "COM 4"}));
    EXPECT_EQ(choiceEnabled(), (std::vector<bool>{true, true, true}));

    com5.line->plugIn();
    ASSERT_TRUE(click(byText("Scan Ports")));
    EXPECT_EQ(list().items(), texts({"COM 3", "COM 4", "COM 5"}));
    ASSERT_TRUE(pick(list(), "COM 5"));
    ASSERT_TRUE(click(byText("Open Port")));
    EXPECT_TRUE(com5.line->isOpen());
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(ConnectPage, OpenPortOpensTheChosenPortAndLocksTheChoice) {
    start();
    ASSERT_TRUE(pick(list(), "COM 5"));
    ASSERT_TRUE(click(byText("Open Port")));
    EXPECT_EQ(out(OpenPort).texts(), texts({"COM5"}));
    EXPECT_TRUE(com5.line->isOpen());
    EXPECT_EQ(choiceEnabled(), (std::vector<bool>{false, false, false}));
    EXPECT_TRUE(byText("Close Port").enabled());
    EXPECT_EQ(toString(page.data(0)), "5");
    EXPECT_EQ(page.data(1).kind, kind::Integer);
    EXPECT_EQ(page.data(1).intValue, 9600);
    EXPECT_EQ(settings::iniReadString(kIni, "init", "cur_com", ""), "5") << "the port to connect next time";
}

TEST_F(ConnectPage, ClosePortClosesUnlocksAndScansAgain) {
    start();
    ASSERT_TRUE(click(byText("Open Port")));
    ASSERT_TRUE(com3.line->isOpen());
    BoundLine com7{7};
    ASSERT_TRUE(click(byText("Close Port")));
    EXPECT_EQ(out(ClosePort).values.size(), 1u);
    EXPECT_FALSE(com3.line->isOpen());
    EXPECT_EQ(choiceEnabled(), (std::vector<bool>{true, true, true}));
    EXPECT_EQ(list().items(), texts({"COM 3", "COM 5", "COM 7"}));
    EXPECT_EQ(list().selected(), 0);
    ASSERT_TRUE(pick(list(), "COM 7"));
    ASSERT_TRUE(click(byText("Open Port")));
    EXPECT_EQ(out(OpenPort).texts(), texts({"COM3", "COM7"}));
    EXPECT_TRUE(com7.line->isOpen());
}

TEST_F(ConnectPage, TheSendBoxPutsItsTextOnTheLineUnchangedByButtonOrEnter) {
    start();
    ASSERT_TRUE(click(byText("Open Port")));
    ASSERT_TRUE(type(sendBox(), "P2 S5"));
    struct Case {
        const char* action;
        std::function<bool()> act;
        std::string onLine;
    };
    const Case cases[] = {
        {"button", [&] { return click(byText("Send command")); }, "P2 S5"},
        {"Enter", [&] { return pressKey(sendBox(), TClassChildGroupBox_2D0DA00::kEnterKey); }, "P2 S5"},
        {"another key", [&] { return pressKey(sendBox(), 'A'); }, ""},
        {"Escape", [&] { return pressKey(sendBox(), 27); }, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.action);
        ASSERT_TRUE(c.act());
        EXPECT_EQ(com3.line->takeWritten(), c.onLine);
    }
    EXPECT_EQ(out(Command).texts(), texts({"P2 S5", "P2 S5"}));
    EXPECT_EQ(sendBox().text(), "P2 S5") << "the box keeps its text";
}

TEST_F(ConnectPage, AutoConnectOpensTheSavedPortOneSecondAfterStart) {
    setIni("[init]\r\ncur_com=3\r\n\xE0uto_com=1\r\n");
    start();
    EXPECT_TRUE(byText("Auto connect to Port").checked());
    loop.advance(999);
    EXPECT_TRUE(out(OpenPort).values.empty());
    loop.advance(1);
    EXPECT_EQ(out(OpenPort).texts(), texts({"COM3"}));
    EXPECT_TRUE(com3.line->isOpen());
    EXPECT_EQ(choiceEnabled(), (std::vector<bool>{false, false, false}));
}

TEST_F(ConnectPage, ASavedPortThatNamesNoPortOpensNothingAndLeavesTheChoiceToTheUser) {
    struct Case {
        const char* curCom;  // null: no key
        std::vector<std::string> opened;
        bool choiceOpen;
    };
    const Case cases[] = {
        {"abc", {}, true}, {"", {}, true},     {nullptr, {}, true},      {"0", {}, true}, {"3x", {}, true},
        {"256", {}, true}, {"1000", {}, true}, {"99", {"COM99"}, false},  // a port that may exist elsewhere:
                                                                          // tried, and the link stays closed
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.curCom ? c.curCom : "(no key)");
        Harness fresh(window.get());
        setIni(std::string("[init]\r\n\xE0uto_com=1\r\n") +
               (c.curCom ? "cur_com=" + std::string(c.curCom) + "\r\n" : ""));
        page.input(0, makeInteger(0));
        fresh.input(1);
        loop.advance(5000);
        EXPECT_EQ(fresh.taps[OpenPort].texts(), c.opened);
        EXPECT_FALSE(fresh.link.port().isOpen());
        EXPECT_EQ(fresh.events(), c.opened.size());
        ui::headless::HeadlessControl& openButton =
            *ui::headless::find(asHeadless(*window), [&](const ui::headless::HeadlessControl& b) {
                return b.text() == "Open Port" && b.shownOnScreen();
            });
        EXPECT_EQ(openButton.enabled(), c.choiceOpen);
    }
}

TEST_F(ConnectPage, TheSavedPortWaitsWhenTheUserOpenedOneFirst) {
    setIni("[init]\r\ncur_com=3\r\n\xE0uto_com=1\r\n");
    start();
    ASSERT_TRUE(pick(list(), "COM 5"));
    ASSERT_TRUE(click(byText("Open Port")));
    loop.advance(5000);
    EXPECT_EQ(out(OpenPort).texts(), texts({"COM5"}));
    EXPECT_EQ(toString(page.data(0)), "5");
    EXPECT_TRUE(com5.line->isOpen());
}

TEST_F(ConnectPage, TheStartOptionsReachTheirOutputs) {
    std::string ini = "[init]\r\ncur_com=5\r\n";
    for (const char* key :
         {"\xE0uto_com", "\xE0uto_trey", "\xE0uto_music", "\xE0uto_automat", "\xE0uto_visualization"})
        ini += std::string(key) + "=1\r\n";
    setIni(ini);
    start();
    loop.advance(2500);
    EXPECT_EQ(out(OpenPort).texts(), texts({"COM5"}));
    EXPECT_EQ(out(Tray).values.size(), 1u);
    for (const Out o : {ColorOrgan, Automation, Visualization}) {
        ASSERT_EQ(out(o).values.size(), 1u) << o;
        EXPECT_EQ(out(o).values[0].kind, kind::Integer) << o;
        EXPECT_EQ(out(o).values[0].intValue, 1) << o;
    }
    EXPECT_TRUE(out(Command).values.empty());
    EXPECT_TRUE(out(ClosePort).values.empty());
}

TEST_F(ConnectPage, ClosingDropsTheStartActionsStillWaiting) {
    setIni("[init]\r\n\xE0uto_music=1\r\n\xE0uto_trey=1\r\n");
    start();
    loop.advance(1000);
    page.input(2);
    loop.advance(10000);
    EXPECT_EQ(page.events(), 0u);
}

TEST_F(ConnectPage, InputZeroShowsAndHidesThePage) {
    ui::headless::HeadlessControl& panel = control(byName("totalpanel"), "totalpanel");
    const std::pair<TData, bool> cases[] = {
        {makeInteger(0), false}, {makeInteger(1), true}, {makeInteger(0), false}, {makeString("0"), true}};
    for (const auto& [value, shown] : cases) {
        page.input(0, value);
        EXPECT_EQ(panel.visible(), shown) << toString(value);
    }
    page.input(0, makeInteger(0));
    EXPECT_FALSE(click(byText("Open Port"))) << "a hidden page takes no clicks";
}

// The page as the headless canvas draws it, kept beside the test program for a look; the canvas has no
// glyphs, so a second picture frames the box of every text run in blue.
TEST_F(ConnectPage, Screenshot) {
    start();
    ui::headless::HeadlessControl& panel = control(byName("totalpanel"), "totalpanel");
    const ui::Image shot = saveScreenshot(panel, "connect_page");

    EXPECT_EQ(shot.size(), (ui::Size{525, 181}));
    const ui::Color silver = ui::rgb(0xC0, 0xC0, 0xC0);
    for (const ui::Point p : {ui::Point{2, 54}, {2, 30}, {100, 100}, {2, 170}})
        EXPECT_EQ(shot.pixel(p.x, p.y), silver) << p.x << "," << p.y;
    EXPECT_EQ(shot.pixel(20, 160), ui::rgb(255, 255, 255)) << "the send box is white";
    const std::vector<DrawnText> expected = {
        {"Choose Port for Lumenrig", {8, 0, 507, 13}},
        {"COM 3", {10, 20, 160, 21}},
        {"Open Port", {185, 19, 105, 23}},
        {"Scan Ports", {295, 19, 105, 23}},
        {"Close Port", {405, 19, 105, 23}},
        {"Startup Options", {8, 56, 507, 13}},
        {"Start with Windows", {7, 71, 230, 15}},
        {"Auto connect to Port", {7, 90, 230, 15}},
        {"Auto minimize to Tray", {7, 109, 230, 15}},
        {"Auto start Color Organ", {272, 71, 230, 15}},
        {"Auto start Automation", {272, 90, 230, 15}},
        {"Auto start Visualization", {272, 109, 230, 15}},
        {"Sending COM-commands to Port", {8, 137, 507, 13}},
        {"Send command", {410, 152, 105, 23}},
    };
    expectTexts(panel, expected);
}
