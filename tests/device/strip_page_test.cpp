// The WS2812 page inside a small mode-pages stand-in: its command output drives a device link to an
// open in-memory COM3, as the program wires it; the user ticks boxes and waits on the virtual clock.
#include <gtest/gtest.h>

#include "screenshot.h"

#include <array>
#include <ctime>
#include <stdexcept>

#include "device/device_link.h"
#include "device/strip_page.h"
#include "device_fixture.h"
#include "recorder.h"
#include "runtime/multi_element.h"
#include "settings/ini_file.h"
#include "settings/memory_system.h"
#include "settings/translation.h"
#include "ui/headless/user.h"

using namespace lr;
using ui::headless::byCaption;
using ui::headless::byName;
using ui::headless::findAnywhere;

namespace {

constexpr const char* kIni = "C:\\Prog\\lumenrig.ini";
constexpr std::size_t kStripInput = 5;
enum Out : std::size_t { Command, Sequence, kOutputs };
using Control = TClassChildGroupBox_30E4540;

class Tap : public Recorder {
  public:
    Point next;
    void pass(TData& data) {
        take(data, 0);
        fireCopy(next, data);
    }
};

class Harness : public TClassMultiBase {
  public:
    Harness(ui::Control* parent, LocalClock clock)
        : TClassMultiBase(parent, nullptr),
          link(own<DeviceLink>(this)),
          outer(make<THIMultiElement>(parent, this, kOutputs, 0)) {
        for (std::size_t i = 0; i < kOutputs; ++i)
            outer.outputs[i] = bind<&Tap::pass>(taps[i]);
        taps[Command].next = link.command(kStripInput);
        outer.setCreate([this, clock = std::move(clock)](ui::Control* p, TClassMultiBase* o) {
            return std::make_unique<TClassChildPanel_30E4490>(p, o, outer, clock);
        });
    }
    void input(std::uint16_t index, TData data = {}) { outer.doWork(data, index); }

    std::array<Tap, kOutputs> taps;
    DeviceLink& link;
    THIMultiElement& outer;
};

}  // namespace

class StripPage : public DeviceTest {
  protected:
    StripPage() {
        sys.addFolder("C:\\Prog");
        window->setVisible(true);
    }
    ~StripPage() override { settings::clearTranslation(); }
    void build() {
        page = std::make_unique<Harness>(window.get(), [this] { return now; });
        page->input(0, makeInteger(1));
        fire(page->link.open(), makeString("COM3"));
        if (!com3.line->isOpen()) throw std::runtime_error("COM3 did not open");
    }
    ui::headless::HeadlessControl& control(const ui::headless::Match& match, const char* what) {
        auto* found = findAnywhere(toolkit(), match);
        if (!found) throw std::runtime_error(std::string("not on screen: ") + what);
        return *found;
    }
    ui::headless::HeadlessControl& byText(const char* caption) {
        return control(byCaption(caption), caption);
    }
    ui::headless::HeadlessControl& box(std::size_t k) { return byText(Control::kCaptions[k]); }
    ui::headless::HeadlessControl& toCom() { return control(byName("to COM"), "to COM box"); }
    std::int32_t stored(std::size_t k) {
        return settings::iniReadInteger(kIni, "ws2812", Control::kCaptions[k], -1);
    }
    void fire(const Point& point, TData data) { lr::fire(point, data); }

    settings::MemorySystem sys;
    settings::ScopedSystem scope{sys};
    BoundLine com3{3};
    std::unique_ptr<ui::Window> window = toolkit().createWindow({"Lumenrig", {0, 0, 541, 264}});
    std::tm now = [] {
        std::tm t{};
        t.tm_hour = 21;
        t.tm_min = 30;
        return t;
    }();
    std::unique_ptr<Harness> page;
};

TEST_F(StripPage, EachBoxStoresItsStateAndSendsItsOnOrOffCommand) {
    build();
    EXPECT_EQ(toCom().text(), "--");
    const char* const expected[Control::kFunctions][2] = {
        {"_0", "^0"}, {"_1", "^1"}, {"_2", "^2"}, {"_3", "^3"}, {"_4", "^4"},
        {"_5", "^5"}, {"_6", "^6"}, {"_7", "^7"}, {"_8", "^8"},
    };
    for (std::size_t k = 0; k < Control::kFunctions; ++k) {
        SCOPED_TRACE(Control::kCaptions[k]);
        ASSERT_TRUE(check(box(k), true));
        EXPECT_EQ(com3.line->takeWritten(), expected[k][0]);
        EXPECT_EQ(stored(k), 1);
        EXPECT_EQ(toCom().text(), expected[k][0]);
        ASSERT_TRUE(check(box(k), false));
        EXPECT_EQ(com3.line->takeWritten(), expected[k][1]);
        EXPECT_EQ(stored(k), 0);
        EXPECT_EQ(toCom().text(), expected[k][1]);
    }
    EXPECT_EQ(page->taps[Command].values.size(), 2 * Control::kFunctions);
    EXPECT_EQ(settings::iniReadString(kIni, "ws2812", "5 strip_R", ""), "0") << "an integer key";
}

TEST_F(StripPage, StripRWritesItsKeyBesideTheOthersInTheSettingsFile) {
    sys.putFile(kIni, "[init]\r\npage=6\r\n[ws2812]\r\n7 strip_B=1\r\n");
    build();
    ASSERT_TRUE(check(box(5), true));
    EXPECT_EQ(com3.line->takeWritten(), "_5");
    EXPECT_EQ(sys.file(kIni).value_or(""), "[init]\r\npage=6\r\n[ws2812]\r\n7 strip_B=1\r\n5 strip_R=1\r\n");
}

TEST_F(StripPage, FourSecondsAfterStartTheStoredOnFunctionsAreSentInOrder) {
    sys.putFile(kIni, "[ws2812]\r\n7 strip_B=1\r\n2 Flash-series=0\r\n1 EE-series=1\r\n");
    build();
    page->input(1);
    loop.advance(Control::kRestoreMs - 1);
    EXPECT_EQ(com3.line->takeWritten(), "");
    EXPECT_FALSE(box(1).checked());
    loop.advance(1);
    EXPECT_EQ(page->taps[Command].texts(), (std::vector<std::string>{"_1", "_7"}));
    EXPECT_EQ(com3.line->takeWritten(), "_1_7");
    for (std::size_t k = 0; k < Control::kFunctions; ++k)
        EXPECT_EQ(box(k).checked(), k == 1 || k == 7) << Control::kCaptions[k];
    EXPECT_EQ(stored(1), 1);
    EXPECT_EQ(stored(7), 1);
    EXPECT_EQ(stored(2), 0);
    EXPECT_EQ(stored(0), -1) << "a key that was not on is not written";
    loop.advance(60000);
    EXPECT_EQ(com3.line->takeWritten(), "") << "the restore runs once";
}

TEST_F(StripPage, OnlyAStoredOneRestoresAFunction) {
    struct Case {
        const char* ini;  // null: no settings file
        bool restored;
    };
    const Case cases[] = {
        {nullptr, false},
        {"[ws2812]\r\n", false},
        {"[ws2812]\r\n4 strip_Mirror=\r\n", false},
        {"[ws2812]\r\n4 strip_Mirror=abc\r\n", false},
        {"[ws2812]\r\n4 strip_Mirror=2\r\n", false},
        {"[ws2812]\r\n4 strip_Mirror=-1\r\n", false},
        {"[ws2812]\r\n4 strip_Mirror=99999999999999999999\r\n", false},
        {"[ws2812]\r\n4 strip_Mirror=\x01\xFF\r\n", false},
        {"[WS2812]\r\n4 STRIP_MIRROR=1\r\n", true},   // the profile functions ignore case
        {"[ws2812]\r\n4 strip_Mirror=1x\r\n", true},  // the leading digits count
        {"[init]\r\n4 strip_Mirror=1\r\n", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ini ? c.ini : "(no file)");
        if (c.ini) {
            sys.putFile(kIni, c.ini);
        } else {
            sys.deleteFile(kIni);
        }
        build();
        page->input(1);
        loop.advance(Control::kRestoreMs);
        EXPECT_EQ(com3.line->takeWritten(), c.restored ? "_4" : "");
        EXPECT_EQ(box(4).checked(), c.restored);
        page.reset();
    }
}

TEST_F(StripPage, ReSendAllJoinsTheLastCommandOfEveryFunctionWithBlanks) {
    build();
    ASSERT_TRUE(click(byText("ReSend All")));
    EXPECT_EQ(com3.line->takeWritten(), "        ") << "nothing changed yet: eight blanks";

    ASSERT_TRUE(check(box(0), true));
    ASSERT_TRUE(check(box(4), true));
    ASSERT_TRUE(check(box(4), false));
    com3.line->takeWritten();
    ASSERT_TRUE(click(byText("ReSend All")));
    EXPECT_EQ(com3.line->takeWritten(), "_0    ^4    ");
    EXPECT_EQ(toCom().text(), "_0    ^4    ");
    EXPECT_EQ(page->taps[Command].texts().back(), "_0    ^4    ") << "one command";

    ASSERT_TRUE(check(box(8), true));
    ASSERT_TRUE(check(box(1), true));
    com3.line->takeWritten();
    ASSERT_TRUE(click(byText("ReSend All")));
    EXPECT_EQ(com3.line->takeWritten(), "_0 _1   ^4    _8");
}

TEST_F(StripPage, ReSendAllAfterTheRestoreRepeatsTheRestoredFunctions) {
    sys.putFile(kIni, "[ws2812]\r\n3 Next=1\r\n6 strip_G=1\r\n");
    build();
    page->input(1);
    loop.advance(Control::kRestoreMs);
    com3.line->takeWritten();
    ASSERT_TRUE(click(byText("ReSend All")));
    EXPECT_EQ(com3.line->takeWritten(), "   _3   _6  ");
}

TEST_F(StripPage, TheCaptionIsTranslatedButTheKeyIsNot) {
    settings::setTranslation("5 strip_R|5 Streifen R\r\nReSend All|Alles senden\r\n");
    build();
    ASSERT_TRUE(check(byText("5 Streifen R"), true));
    EXPECT_EQ(com3.line->takeWritten(), "_5");
    EXPECT_EQ(stored(5), 1);
    ASSERT_TRUE(click(byText("Alles senden")));
    EXPECT_EQ(com3.line->takeWritten(), "     _5   ");
}

TEST_F(StripPage, TheToComBoxOnlyShowsWhatWasSent) {
    build();
    ASSERT_TRUE(check(box(2), true));
    com3.line->takeWritten();
    type(toCom(), "P1");  // read-only on screen; what the headless box takes still goes nowhere
    EXPECT_EQ(com3.line->takeWritten(), "");
    EXPECT_EQ(page->taps[Command].texts(), std::vector<std::string>{"_2"});
}

TEST_F(StripPage, TheRecorderCollectsWhatThePageSendsAndAddsItAsARow) {
    sys.putFile(kIni, "[ws2812]\r\n7 strip_B=1\r\n");
    build();
    page->input(1);
    loop.advance(Control::kRestoreMs);
    ASSERT_TRUE(check(box(5), true));
    ASSERT_TRUE(check(box(5), false));
    ASSERT_TRUE(click(byText("ReSend All")));  // begins with a blank: below "!", so not recorded
    ASSERT_TRUE(check(box(0), true));
    ASSERT_TRUE(click(byText("ReSend All")));
    ui::headless::HeadlessControl& list = control(byName("List of Action"), "List of Action");
    EXPECT_EQ(list.text(), " _7 _5 ^5 _0 _0     ^5  _7 ");
    EXPECT_TRUE(page->taps[Sequence].values.empty());

    ASSERT_TRUE(click(control(ui::headless::byHint("Set current time for sequence"), "set time")));
    EXPECT_EQ(control(byName("Run at"), "Run at").text(), "21:30");
    ASSERT_TRUE(click(byText("Add")));
    EXPECT_EQ(page->taps[Sequence].texts(), std::vector<std::string>{"21:30> _7 _5 ^5 _0 _0     ^5  _7 "});
    EXPECT_EQ(page->taps[Command].values.size(), 6u) << "a row is no command";
}

TEST_F(StripPage, InputZeroShowsAndHidesThePage) {
    build();
    ui::headless::HeadlessControl& panel = control(byName("totalpanel"), "totalpanel");
    const std::pair<TData, bool> cases[] = {
        {makeInteger(0), false}, {makeInteger(1), true}, {makeInteger(0), false}, {makeString("0"), true}};
    for (const auto& [value, shown] : cases) {
        page->input(0, value);
        EXPECT_EQ(panel.visible(), shown) << toString(value);
    }
    page->input(0, makeInteger(0));
    EXPECT_FALSE(check(box(3), true)) << "a hidden page takes no clicks";
    EXPECT_EQ(com3.line->takeWritten(), "");
}

TEST_F(StripPage, Screenshot) {
    sys.putFile(kIni, "[ws2812]\r\n5 strip_R=1\r\n");
    build();
    page->input(1);
    loop.advance(Control::kRestoreMs);
    ui::headless::HeadlessControl& panel = control(byName("totalpanel"), "totalpanel");
    const ui::Image shot = saveScreenshot(panel, "strip_page");

    EXPECT_EQ(shot.size(), (ui::Size{TClassChildPanel_30E4490::kWidth, TClassChildPanel_30E4490::kHeight}));
    const ui::Color silver = ui::rgb(0xC0, 0xC0, 0xC0);
    for (const ui::Point p : {ui::Point{2, 30}, {135, 60}, {290, 100}, {520, 60}})
        EXPECT_EQ(shot.pixel(p.x, p.y), silver) << p.x << "," << p.y;
    EXPECT_EQ(shot.pixel(400, 86), ui::rgb(255, 255, 255)) << "the to COM box is white";
    std::vector<DrawnText> expected = {
        {"Control LumenrigWS2812", {8, 0, 507, 13}},
        {"Without latch", {7, 15, 125, 13}},
        {"With latch", {140, 15, 140, 13}},
        {"ReSend All", {295, 28, 105, 23}},
        {"to COM", {295, 80, 45, 13}},
        {"_5", {345, 76, 170, 21}},
        {"Save Actions", {8, 115, 507, 13}},
    };
    for (std::size_t k = 0; k < Control::kFunctions; ++k) {
        const int column = k < 4 ? 0 : 1;
        const int row = static_cast<int>(column == 0 ? k : k - 4);
        expected.push_back(
            {Control::kCaptions[k], {column == 0 ? 7 : 140, 30 + 16 * row, column == 0 ? 125 : 140, 15}});
    }
    expectTexts(panel, expected);
}
