// The "Save Actions" group as a user meets it: commands arrive from the panel, the user sets the time,
// presses Add or Clear and watches the box on the virtual clock.
#include <gtest/gtest.h>

#include <memory>

#include "automation/recorder_group.h"
#include "headless_fixture.h"
#include "recorder.h"
#include "test_clock.h"
#include "ui/headless/user.h"

using namespace lr;
using ui::headless::asHeadless;
using ui::headless::byCaption;
using ui::headless::byHint;
using ui::headless::byName;
using ui::headless::click;
using ui::headless::findAnywhere;
using ui::headless::type;

namespace {

class Holder : public TClassMultiBase {
  public:
    Holder(ui::Control* parent, LocalClock clock)
        : TClassMultiBase(parent, nullptr),
          group(own<TClassChildGroupBox_2C2DF60>(parent, this, ui::Point{0, 10}, std::move(clock))) {
        group.setOnRow(rows.point());
    }
    void command(std::string text) { fireString(bind<&TClassChildGroupBox_2D0F000::doCommand>(group), text); }
    Recorder rows;
    TClassChildGroupBox_2C2DF60& group;
};

class RecorderGroupTest : public HeadlessTest {
  protected:
    RecorderGroupTest() {
        window->setVisible(true);
        holder = std::make_unique<Holder>(window.get(), clock.clock());
    }
    ui::Control& control(const ui::headless::Match& match) {
        auto* found = findAnywhere(toolkit(), match);
        if (!found) throw std::runtime_error("no such control");
        return *found;
    }
    std::string list() { return control(byName("List of Action")).text(); }

    TestClock clock{loop, {21, 29, 58}};
    std::unique_ptr<ui::Window> window = toolkit().createWindow({"Lumenrig", {0, 0, 541, 120}});
    std::unique_ptr<Holder> holder;
};

TEST_F(RecorderGroupTest, CollectsCommandsAboveTheMark) {
    for (const char* c : {"P1", "", "!", " ", "A5", "\x01"})
        holder->command(c);
    EXPECT_EQ(list(), " P1 A5");
}

TEST_F(RecorderGroupTest, AddHandsOutTheRowAndShowsAddedForHalfASecond) {
    holder->command("P1");
    holder->command("A5");
    loop.advance(3000);  // the clock reads 21:30
    EXPECT_EQ(control(byCaption("21:30")).text(), "21:30");
    ASSERT_TRUE(click(control(byHint("Set current time for sequence"))));
    EXPECT_EQ(control(byName("Run at")).text(), "21:30");
    EXPECT_EQ(control(byName("Run at")).hint(), "hh:mm/mm");

    ASSERT_TRUE(click(control(byCaption("Add"))));
    EXPECT_EQ(holder->rows.texts(), std::vector<std::string>{"21:30> P1 A5"});
    EXPECT_EQ(list(), "Added ");
    loop.advance(499);
    EXPECT_EQ(list(), "Added ");
    loop.advance(1);
    EXPECT_EQ(list(), "");
    loop.advance(2000);  // one period only: what comes next stays
    holder->command("S9");
    loop.advance(1000);
    EXPECT_EQ(list(), " S9");
}

TEST_F(RecorderGroupTest, ClearShowsClearedThenEmpties) {
    holder->command("R1");
    ASSERT_TRUE(click(control(byCaption("Clear"))));
    EXPECT_EQ(list(), "Cleared ");
    loop.advance(500);
    EXPECT_EQ(list(), "");
    EXPECT_TRUE(holder->rows.values.empty());
}

TEST_F(RecorderGroupTest, CommandsDuringTheStatusWordAreKeptForTheNextRow) {
    holder->command("P1");
    ASSERT_TRUE(click(control(byCaption("Add"))));
    loop.advance(200);
    holder->command("A5");
    EXPECT_EQ(list(), "Added ");
    loop.advance(300);
    EXPECT_EQ(list(), " A5");
    ASSERT_TRUE(click(control(byCaption("Add"))));
    EXPECT_EQ(holder->rows.texts(), (std::vector<std::string>{"> P1", "> A5"}));
}

TEST_F(RecorderGroupTest, TypedTextIsWhatAddHandsOut) {
    ASSERT_TRUE(type(control(byName("Run at")), "15"));
    ASSERT_TRUE(type(control(byName("List of Action")), " O1 O0"));
    holder->command("N1");
    ASSERT_TRUE(click(control(byCaption("Add"))));
    EXPECT_EQ(holder->rows.texts(), std::vector<std::string>{"15> O1 O0 N1"});
}

// Before midnight and after: the hour has no leading zero, the minute always two digits.
TEST(ClockText, HourPlainMinuteTwoDigits) {
    struct Case {
        int hour, minute;
        const char* text;
    };
    for (const Case& c :
         {Case{0, 0, "0:00"}, Case{9, 5, "9:05"}, Case{21, 30, "21:30"}, Case{23, 59, "23:59"}}) {
        std::tm t{};
        t.tm_hour = c.hour;
        t.tm_min = c.minute;
        EXPECT_EQ(clockText(t), c.text);
    }
}

}  // namespace
