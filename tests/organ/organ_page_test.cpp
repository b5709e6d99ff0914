// The colour organ page as a user meets it: Run and Stop by button, tray and hotkey, the bytes on the
// port, the slider bars and their captions, the scheme information, the recording inputs, Save, and a
// look at the page.
#include <gtest/gtest.h>

#include "screenshot.h"

#include <algorithm>

#include "audio/backend.h"
#include "organ/channel_monitor.h"
#include "organ_page_fixture.h"
#include "runtime/globals.h"
#include "settings/paths.h"
#include "ui/png.h"
#include "ui/software_painter.h"

using namespace lr;
using namespace organ_page;
using ui::headless::HeadlessControl;

namespace {

constexpr const char* kAllOff = "B0C0D0E0F0G0H0I0J0K0L0";

std::vector<std::int32_t> integers(const Recorder& r) {
    std::vector<std::int32_t> out;
    for (const TData& v : r.values)
        out.push_back(toInteger(v));
    return out;
}

}  // namespace

class OrganPage : public OrganPageTest {
  protected:
    // One scheme, stored as the current one, and the page started on it.
    void startOn(const std::string& text) {
        scheme("Only", text);
        settingsIni("[scheme]\nscheme=Only\n");
        build();
        start();
    }
    HeadlessControl& captionAt(int left) {
        return control(
            [left](const HeadlessControl& c) {
                return c.kind() == ui::ControlKind::Label && c.bounds().left == left && c.bounds().top == 193;
            },
            "caption at " + std::to_string(left));
    }
    HeadlessControl& monitorLabel(char channel) { return byCaption(std::string(1, channel)); }
};

TEST_F(OrganPage, InputZeroShowsThePageForAnythingButTheIntegerZero) {
    build();
    page->input(0, makeInteger(0));
    HeadlessControl& panel = byName("totalpanel");
    EXPECT_EQ(panel.bounds(), (ui::Rect{5, 25, 525, 520}));
    const std::pair<TData, bool> cases[] = {{makeInteger(1), true},  {makeInteger(0), false},
                                            {makeString("0"), true}, {makeInteger(0), false},
                                            {makeInteger(7), true},  {makeNull(), true}};
    for (const auto& [value, shown] : cases) {
        page->input(0, value);
        EXPECT_EQ(panel.visible(), shown) << toString(value);
    }
    page->input(0, makeInteger(0));
    EXPECT_FALSE(click(runButton())) << "a hidden page takes no clicks";
}

TEST_F(OrganPage, ThePageStartsHidden) {
    Harness fresh(window.get(), loop);
    EXPECT_FALSE(byName("totalpanel").visible()) << "not shown until the mode pages container says so";
}

TEST_F(OrganPage, RunSendsTheChannelsToThePortAndStopFreezesThem) {
    startOn("[init]\nstrfreq=" + std::string(kAllBands) + "\n[calculation]\nA={band_4}*16\n");
    ASSERT_TRUE(click(runButton()));
    EXPECT_EQ(integers(page->started), std::vector<std::int32_t>{1});
    EXPECT_EQ(integers(page->running), std::vector<std::int32_t>{1});
    EXPECT_FALSE(runButton().enabled());
    EXPECT_FALSE(click(runButton())) << "Run is disabled while running";
    play(50);
    EXPECT_EQ(written(), std::string("A8") + kAllOff);
    play(500);
    EXPECT_EQ(written(), "") << "only changed levels are sent";

    ASSERT_TRUE(click(stopButton()));
    EXPECT_EQ(integers(page->running), (std::vector<std::int32_t>{1, 0}));
    EXPECT_EQ(integers(page->started), std::vector<std::int32_t>{1}) << "Stop starts no mode";
    EXPECT_TRUE(runButton().enabled());
    play(1000);
    EXPECT_EQ(written(), "");
}

TEST_F(OrganPage, TheTrayAndTheHotkeyRunAndStopThroughInputThree) {
    startOn("[init]\nstrfreq=" + std::string(kAllBands) + "\n[calculation]\nA={band_4}*16\n");
    struct Case {
        TData value;
        std::vector<std::int32_t> started;
        std::vector<std::int32_t> running;
        bool runEnabled;
    };
    const Case cases[] = {
        {makeInteger(2), {}, {}, true},
        {makeInteger(1), {1}, {1}, false},
        {makeInteger(1), {1, 1}, {1, 1}, false},  // every Run starts the mode again
        {makeInteger(0), {1, 1}, {1, 1, 0}, true},
        {makeInteger(-1), {1, 1}, {1, 1, 0}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(toString(c.value));
        page->input(3, c.value);
        EXPECT_EQ(integers(page->started), c.started);
        EXPECT_EQ(integers(page->running), c.running);
        EXPECT_EQ(runButton().enabled(), c.runEnabled);
    }
}

TEST_F(OrganPage, ClosingStopsARunningOrganOnly) {
    startOn(levelScheme(3));
    page->input(2);
    EXPECT_TRUE(page->running.values.empty()) << "nothing to stop";
    page->input(3, makeInteger(1));
    play(100);
    EXPECT_EQ(written(), std::string("A3") + kAllOff);
    page->input(2);
    EXPECT_EQ(integers(page->running), (std::vector<std::int32_t>{1, 0}));
    play(1000);
    EXPECT_EQ(written(), "");
}

TEST_F(OrganPage, EachBarFeedsEightMinusItsPositionToTheFormulas) {
    startOn(
        "[init]\nbar_3=2\nbar_3_name=Three\nbar_beat_name=B\nbar_act_name=X\n"
        "[calculation]\nA={bar_3}\nB={bar_beat}\nC={bar_act}\n");
    EXPECT_EQ(bar("bar_3").position(), 6) << "a load puts the slider at 8 - value";
    page->input(3, makeInteger(1));
    play(50);
    EXPECT_EQ(written(), "A2B0C0D0E0F0G0H0I0J0K0L0");
    struct Case {
        const char* bar;
        int position;
        std::string sent;
    };
    const Case cases[] = {
        {"bar_3", 0, "A8"},   {"bar_3", 8, "A0"},   {"bar_3", 3, "A5"}, {"bar_beat", 0, "B8"},
        {"bar_act", 1, "C7"}, {"bar_act", 8, "C0"}, {"bar_3", 3, ""},  // the same value again sends nothing
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.bar) + " at " + std::to_string(c.position));
        ASSERT_TRUE(drag(bar(c.bar), {c.position}));
        play(50);
        EXPECT_EQ(written(), c.sent);
    }
    ASSERT_TRUE(scroll(bar("bar_3"), ui::ScrollCode::Top));
    play(50);
    EXPECT_EQ(written(), "A8") << "the arrow keys and the track move it too";
}

TEST_F(OrganPage, BarsAtStartAreInTheMiddleWithTheirNumbers) {
    build();
    for (const char* name : {"bar_1", "bar_7", "bar_12", "bar_beat", "bar_act"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(bar(name).position(), 4);
        EXPECT_EQ(bar(name).rangeMin(), 0);
        EXPECT_EQ(bar(name).rangeMax(), 8);
        EXPECT_TRUE(bar(name).visible());
    }
    EXPECT_EQ(captionAt(18).text(), "Beat");
    EXPECT_EQ(captionAt(188).text(), "5");
    EXPECT_EQ(captionAt(473).text(), "Act");
    EXPECT_EQ(globalVar("bar_1").kind, kind::Null) << "unset until a load moves them";
}

TEST_F(OrganPage, ALoadNamesOrHidesEachBar) {
    scheme("Named", "[init]\nbar_5_name=Bass\nbar_beat_name=Kick\nbar_act_name=Speed\n");
    scheme("Plain", "[init]\nbar_5_name=\nbar_1_name=One\n");
    build();
    start();
    struct Case {
        const char* scheme;
        std::string bar5Caption;
        bool bar5Shown;
        std::string beatCaption;
        bool beatShown;
    };
    const Case cases[] = {
        {"Plain", "", false, "", false},
        {"Named", "Bass", true, "Kick", true},
        {"Plain", "", false, "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.scheme);
        ASSERT_TRUE(pick(schemeList(), c.scheme));
        EXPECT_EQ(captionAt(188).text(), c.bar5Caption);
        EXPECT_EQ(bar("bar_5").visible(), c.bar5Shown);
        EXPECT_TRUE(captionAt(188).visible()) << "an empty caption stays in place";
        EXPECT_EQ(captionAt(18).text(), c.beatCaption);
        EXPECT_EQ(bar("bar_beat").visible(), c.beatShown);
    }
    EXPECT_EQ(captionAt(53).text(), "One");
}

TEST_F(OrganPage, AHiddenBarKeepsItsValue) {
    scheme("Set", "[init]\nbar_2=7\nbar_2_name=Two\n[calculation]\nA={bar_2}\n");
    scheme("Hide", "[init]\nbar_2=7\n[calculation]\nA={bar_2}\n");
    settingsIni("[scheme]\nscheme=Hide\n");
    build();
    start();
    EXPECT_FALSE(bar("bar_2").visible());
    EXPECT_FALSE(drag(bar("bar_2"), {0})) << "a hidden bar cannot be moved";
    page->input(3, makeInteger(1));
    play(50);
    EXPECT_EQ(written(), "A7B0C0D0E0F0G0H0I0J0K0L0");
}

TEST_F(OrganPage, TheDescriptionShowsOneLinePerSlashPart) {
    const std::pair<std::string, std::string> cases[] = {
        {"Warm/Cold", "Warm\r\nCold"},
        {"Just one line", "Just one line"},
        {"a//b/", "a\r\n\r\nb\r\n"},
        {"", ""},
    };
    int n = 0;
    for (const auto& [description, shown] : cases)
        scheme("S" + std::to_string(n++), "[description]\ntext=" + description + "\n");
    build();
    start();
    n = 0;
    for (const auto& [description, shown] : cases) {
        SCOPED_TRACE(description);
        ASSERT_TRUE(pick(schemeList(), "S" + std::to_string(n++)));
        EXPECT_EQ(byHint("Scheme info").text(), shown);
    }
}

TEST_F(OrganPage, AHiddenPageStopsRecolouringTheMonitorWhileTheChannelsAreStillSent) {
    // Level 1 for two seconds, then 2, 3, ... as count climbs by one per tick.
    startOn("[init]\nstrfreq=" + std::string(kAllBands) + "\n[calculation]\nA={count}/40+1\n");
    page->input(3, makeInteger(1));
    play(50);
    EXPECT_EQ(monitorLabel('A').color(), levelColor(1));
    EXPECT_EQ(monitorLabel('B').color(), levelColor(0));
    page->input(0, makeInteger(0));
    written();
    play(2000);
    EXPECT_EQ(written(), "A2") << "the light goes on";
    EXPECT_EQ(monitorLabel('A').color(), levelColor(1)) << "the hidden monitor does not";
    page->input(0, makeInteger(1));
    play(2000);
    EXPECT_EQ(written(), "A3");
    EXPECT_EQ(monitorLabel('A').color(), levelColor(3));
}

TEST_F(OrganPage, TheFirstRunListsTheRecordingInputsAndEachRowSetsItsInput) {
    startOn(levelScheme(1));
    EXPECT_TRUE(byName("recording inputs").children().empty()) << "filled at the first Run";
    page->input(3, makeInteger(1));
    HeadlessControl& inputs = byName("recording inputs");
    ASSERT_EQ(inputs.children().size(), 1u);
    HeadlessControl& row = *inputs.children()[0];
    EXPECT_EQ(row.bounds(), (ui::Rect{0, 6, 471, 26}));
    HeadlessControl& volume = *ui::headless::childAt(row, 0);
    HeadlessControl& enabled = *ui::headless::childAt(row, 1);
    EXPECT_EQ(volume.bounds(), (ui::Rect{10, 7, 315, 15}));
    EXPECT_EQ(volume.position(), 100);
    EXPECT_EQ(enabled.bounds(), (ui::Rect{333, 8, 140, 15}));
    EXPECT_EQ(enabled.text(), "Synth " + kMusic);
    EXPECT_TRUE(enabled.checked());

    ASSERT_TRUE(drag(volume, {30}));
    float level = 0.0f;
    EXPECT_EQ(audio->recordGetInput(0, level), 0u);
    EXPECT_FLOAT_EQ(level, 0.3f);
    ASSERT_TRUE(click(enabled));
    EXPECT_EQ(audio->recordGetInput(0, level), audio::kInputOff);
    EXPECT_FLOAT_EQ(level, 0.3f);

    page->input(3, makeInteger(0));
    page->input(3, makeInteger(1));
    EXPECT_EQ(inputs.children().size(), 1u) << "listed once";
}

TEST_F(OrganPage, SaveWritesTheBarsAndLevelsThatALaterLoadStartsFrom) {
    scheme("Keep", "[init]\nbar_1_name=One\n[calculation]\nA={bar_1}+1\n");
    scheme("Other", "");
    settingsIni("[scheme]\nscheme=Keep\n");
    build();
    start();
    ASSERT_TRUE(drag(bar("bar_1"), {3}));
    page->input(3, makeInteger(1));
    play(50);
    EXPECT_EQ(written(), "A6B0C0D0E0F0G0H0I0J0K0L0");
    page->input(3, makeInteger(0));
    ASSERT_TRUE(click(byHint("Save changes in current Scheme")));
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].text, "Saved!");
    const std::string file = sys.file(std::string(kSchemes) + "Keep.lsc").value_or("");
    for (const char* line : {"bar_1=5\r\n", "A=6\r\n", "bar_2=0\r\n", "B=0\r\n", "bar_1_name=One\r\n"})
        EXPECT_NE(file.find(line), std::string::npos) << line << " in\n" << file;

    ASSERT_TRUE(pick(schemeList(), "Other"));
    EXPECT_EQ(bar("bar_1").position(), 8);
    ASSERT_TRUE(pick(schemeList(), "Keep"));
    EXPECT_EQ(bar("bar_1").position(), 3) << "the slider is back";
    EXPECT_EQ(globalVar("A").kind, kind::Integer);
    EXPECT_EQ(globalVar("A").intValue, 6) << "the saved level is where A starts";
}

// The page as the headless canvas draws it, kept beside the test program for a look. The bitmaps are
// stand-ins of one colour each, so that every image shows where it lands; a second picture frames the
// box of every text run in blue, since the canvas draws no glyphs.
TEST_F(OrganPage, Screenshot) {
    const std::pair<const char*, ui::Color> bitmaps[] = {
        {"BITMAP14", ui::rgb(0, 160, 0)},   {"BITMAP18", ui::rgb(200, 0, 0)},
        {"BITMAP21", ui::rgb(0, 0, 200)},   {"BITMAP22", ui::rgb(200, 200, 0)},
        {"BITMAP23", ui::rgb(0, 200, 200)}, {"BITMAP24", ui::rgb(200, 0, 200)},
    };
    for (const auto& [name, color] : bitmaps)
        platform.headlessResources().addBitmap(name, ui::Image(16, 16, color));
    scheme("Show",
           "[description]\ntext=Warm colours/for a slow song\n[init]\nbar_beat_name=Beat\n"
           "bar_1_name=1\nbar_2_name=2\nbar_3_name=3\nbar_4_name=4\nbar_5_name=5\nbar_6_name=6\n"
           "bar_7_name=7\nbar_8_name=8\nbar_9_name=9\nbar_10_name=10\nbar_11_name=11\nbar_12_name=12\n"
           "bar_act_name=Act\nbar_1=8\nbar_12=0\n[calculation]\nA=8\nB=4\n");
    settingsIni("[scheme]\nscheme=Show\nlist_name=Party\n");
    listIni("[Party]\nscheme0=Show\n[Calm]\nscheme0=Show\n");
    build();
    start();
    page->input(3, makeInteger(1));
    play(50);

    HeadlessControl& panel = byName("totalpanel");
    const ui::Image shot = saveScreenshot(panel, "organ_page");

    EXPECT_EQ(shot.size(), (ui::Size{525, 520}));
    const ui::Color silver = ui::rgb(0xC0, 0xC0, 0xC0);
    for (const ui::Point p : {ui::Point{2, 460}, {100, 5}, {520, 300}, {10, 60}})
        EXPECT_EQ(shot.pixel(p.x, p.y), silver) << p.x << "," << p.y;
    struct Image {
        const char* what;
        ui::Point at;  // within the group box, which fills the panel's top left
        ui::Color color;
    };
    const Image images[] = {
        {"Run", {45 + 4, 15 + 4}, ui::rgb(0, 160, 0)},  // drawn disabled: no image while running
        {"Stop", {17 + 4, 15 + 4}, ui::rgb(200, 0, 0)},
        {"Save", {465 + 4, 25 + 6}, ui::rgb(0, 0, 200)},
        {"Refresh", {492 + 4, 25 + 6}, ui::rgb(200, 200, 0)},
        {"silence lists refresh", {494 + 4, 374 + 6}, ui::rgb(0, 200, 200)},
        {"music lists refresh", {494 + 4, 397 + 6}, ui::rgb(200, 0, 200)},
    };
    for (const Image& i : images) {
        const bool drawn = shot.pixel(i.at.x, i.at.y) == i.color;
        EXPECT_EQ(drawn, std::string(i.what) != "Run") << i.what;
    }
    EXPECT_EQ(shot.pixel(53 + 2, 62 + 10), levelColor(8)) << "monitor label A at level 8";
    EXPECT_EQ(shot.pixel(53 + 35 + 2, 62 + 10), levelColor(4)) << "monitor label B at level 4";
    EXPECT_EQ(shot.pixel(20, 250), ui::rgb(255, 255, 255)) << "the information box";

    const std::vector<DrawnText> expected = {
        {"Control", {8, 0, 507, 13}},
        {"Show", {85, 25, 375, 21}},
        {"A", {53, 62, 35, 20}},
        {"L", {53 + 385, 62, 35, 20}},
        {"Beat", {18, 193, 35, 17}},
        {"1", {53, 193, 35, 17}},
        {"3", {118, 193, 35, 17}},
        {"10", {364, 193, 35, 17}},
        {"12", {434, 193, 35, 17}},
        {"Act", {473, 193, 35, 17}},
        {"Warm colours\r\nfor a slow song", {13, 210, 499, 80}},
        {"Synth " + kMusic, {4 + 333, 294 + 6 + 8, 140, 15}},
        {"Sublist to run in silence (list.ini)", {15, 374, 210, 20}},
        {"Sublist to run with music (list.ini)", {15, 396, 210, 20}},
        {"Party", {230, 397, 258, 21}},
        {"Random change of Schemes", {15, 418, 210, 20}},
    };
    expectTexts(panel, expected);
}
