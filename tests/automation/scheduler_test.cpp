// The scheduler as a user meets it: rows in the table, Start and Stop, the clock passing minutes on the
// virtual loop, and the commands that reach the line.
#include <gtest/gtest.h>

#include "auto_page_fixture.h"

using namespace auto_page;
using ui::headless::byCaption;
using ui::headless::byHint;
using ui::headless::byName;

namespace {

using Scheduler = AutoPageTest;

TEST_F(Scheduler, IntervalRowRunsEveryNMinutesFromTheStartNotAtIt) {
    build({10, 6, 30});
    addRow("15> P1 A5");
    loop.advance(40000);  // 10:07:10
    ASSERT_TRUE(press("Start"));
    minutes(46);  // to 10:53:10
    EXPECT_EQ(page->sent, (std::vector<Sent>{{"10:22", " P1 A5"}, {"10:37", " P1 A5"}, {"10:52", " P1 A5"}}));
    EXPECT_EQ(written(), " P1 A5 P1 A5 P1 A5");
    EXPECT_EQ(lr::toInteger(lr::globalVar("Start_H")), 10);
    EXPECT_EQ(lr::toInteger(lr::globalVar("Start_M")), 7);
}

// The clock's first text comes a second after the page is built: a start before it is still the start.
TEST_F(Scheduler, TheStartMinuteIsNotCheckedEvenBeforeTheClocksFirstTick) {
    build({8, 0, 0});  // the clock shows nothing yet
    addRow("5> K1");
    addRow("8:00> K2");
    addRow("8:01> K3");
    ASSERT_TRUE(press("Start"));
    minutes(5);
    EXPECT_EQ(page->sent, (std::vector<Sent>{{"8:01", " K3"}, {"8:05", " K1"}}));
}

TEST_F(Scheduler, ClockRowRunsInItsMinuteOnlyWhileOn) {
    build({9, 3, 0});
    addRow("9:05> Z0");
    addRow("9:06> Z1");
    addRow("09:07> Z2");  // a leading zero never matches
    minutes(2);           // 9:05 with the scheduler off
    EXPECT_TRUE(page->sent.empty());
    ASSERT_TRUE(press("Start"));
    minutes(5);
    EXPECT_EQ(page->sent, (std::vector<Sent>{{"9:06", " Z1"}}));
}

TEST_F(Scheduler, RowsOfOneMinuteRunInTableOrderAndTheLastIsShown) {
    build({10, 9, 0});
    addRow("10:10> A1>first");
    addRow("10:10> B2>second");
    addRow("10:11> C3");
    ASSERT_TRUE(press("Start"));
    minutes(1);
    EXPECT_EQ(commandsSent(), (std::vector<std::string>{" A1", " B2"}));
    EXPECT_EQ(written(), " A1 B2");
    EXPECT_NE(ui::headless::findAnywhere(toolkit(), byCaption("Last executed actions:")), nullptr);
    EXPECT_NE(ui::headless::findAnywhere(toolkit(), byCaption("second")), nullptr);
    EXPECT_NE(ui::headless::findAnywhere(toolkit(), byCaption(" B2")), nullptr);
}

TEST_F(Scheduler, StartAndStopReportAndLockTheStartButton) {
    build({12, 0, 0});
    auto& start = control(byHint("Start Timer"));
    auto& bar = control(byName("seconds"));
    ASSERT_TRUE(press("Start"));
    EXPECT_FALSE(start.enabled());
    EXPECT_EQ(page->started.texts(), std::vector<std::string>{"1"});
    EXPECT_EQ(bar.position(), 1);
    loop.advance(7000);
    EXPECT_EQ(bar.position(), 7);  // the current second
    ASSERT_TRUE(press("Stop"));
    EXPECT_TRUE(start.enabled());
    EXPECT_EQ(bar.position(), 0);
    loop.advance(3000);
    EXPECT_EQ(bar.position(), 0);
    // Input 4: 1 starts, 0 stops, anything else nothing.
    page->input(4, lr::makeInteger(1));
    page->input(4, lr::makeInteger(7));
    page->input(4);
    page->input(4, lr::makeInteger(0));
    EXPECT_EQ(page->running.texts(), (std::vector<std::string>{"1", "0", "1", "0"}));
    EXPECT_EQ(page->started.texts(), (std::vector<std::string>{"1", "1"}));
}

TEST_F(Scheduler, StopKeepsTheStartTimeAndANewStartMovesIt) {
    build({8, 0, 0});
    addRow("10> X1");
    loop.advance(1000);  // the clock has shown 8:00
    ASSERT_TRUE(press("Start"));
    minutes(3);
    ASSERT_TRUE(press("Stop"));
    minutes(10);  // 8:13: nothing while off
    EXPECT_TRUE(page->sent.empty());
    EXPECT_EQ(lr::toInteger(lr::globalVar("Start_M")), 0);
    ASSERT_TRUE(press("Start"));
    minutes(10);
    EXPECT_EQ(page->sent, (std::vector<Sent>{{"8:23", " X1"}}));
}

TEST_F(Scheduler, RunsOnAcrossMidnight) {
    build({23, 49, 30});
    addRow("7> N1");
    addRow("0:00> N0");
    loop.advance(30000);  // 23:50
    ASSERT_TRUE(press("Start"));
    minutes(22);  // to 0:12
    EXPECT_EQ(page->sent,
              (std::vector<Sent>{{"23:57", " N1"}, {"0:00", " N0"}, {"0:04", " N1"}, {"0:11", " N1"}}));
}

// The hour from 2:00 to 3:00 does not occur: its rows never run; intervals keep the wall clock's count.
TEST_F(Scheduler, SpringForwardSkipsTheMissingHour) {
    build({1, 49, 30});
    clock->shiftAt(10 * 60000 + 30000, 60);  // at 2:00 the clock reads 3:00
    addRow("15> I1");
    addRow("2:30> S1");
    addRow("3:00> S2");
    loop.advance(30000);  // 1:50
    ASSERT_TRUE(press("Start"));
    minutes(21);  // to 3:11
    EXPECT_EQ(page->sent, (std::vector<Sent>{{"3:00", " S2"}, {"3:05", " I1"}}));
}

// The hour from 2:00 to 3:00 occurs twice: a clock row runs in both, the interval keeps counting.
TEST_F(Scheduler, FallBackRepeatsTheHour) {
    build({2, 49, 30});
    clock->shiftAt(10 * 60000 + 30000, -60);  // at 3:00 the clock reads 2:00 again
    addRow("15> I1");
    addRow("2:55> R1");
    loop.advance(30000);  // 2:50
    ASSERT_TRUE(press("Start"));
    minutes(16);  // 2:50 .. 3:00 = 2:00 .. 2:06
    EXPECT_EQ(page->sent, (std::vector<Sent>{{"2:55", " R1"}, {"2:05", " I1"}}));
    minutes(50);
    EXPECT_EQ(page->sent.back(), (Sent{"2:55", " R1"}));
}

TEST_F(Scheduler, ATimeOfZeroIsReportedOnceAndTheOtherRowsRun) {
    build({11, 0, 0});
    addRow("0> Q1");
    addRow("abc> Q2");
    addRow("1> Q3");
    loop.advance(1000);
    ASSERT_TRUE(press("Start"));
    minutes(5);
    EXPECT_EQ(commandsSent(), std::vector<std::string>(5, " Q3"));
    EXPECT_EQ(boxes.shown().size(), 1u);
    ASSERT_TRUE(press("Stop"));
    ASSERT_TRUE(press("Start"));  // a new start may tell again
    minutes(2);
    EXPECT_EQ(boxes.shown().size(), 2u);
}

TEST_F(Scheduler, RowsWithoutACellMarkAreSkipped) {
    sys.putFile(kActions, std::string(kHeader) + "11:01\r\n11:01> M1\r\n1\r\n");
    build({11, 0, 0});
    loop.advance(1000);
    ASSERT_TRUE(press("Start"));
    minutes(2);
    EXPECT_EQ(page->sent, (std::vector<Sent>{{"11:01", " M1"}}));
}

}  // namespace
