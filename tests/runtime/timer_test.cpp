#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <vector>

#include "headless_fixture.h"
#include "recorder.h"
#include "runtime/elements/timer.h"
#include "runtime/error.h"

using namespace lr;

namespace {

// Runs a test's own code as a receiver of an event.
struct Action : Element {
    std::function<void()> run;
    void take(TData&) { run(); }
    Point point() { return bind<&Action::take>(*this); }
};

constexpr std::uint16_t kTick = 0;
constexpr std::uint16_t kStop = 1;

}  // namespace

class TimerTest : public HeadlessTest {
  protected:
    // Wires onTimer and onStop to one recorder so that their order shows.
    void wire(THITimer& timer, std::int32_t interval, std::int32_t count) {
        timer.Interval = interval;
        timer.Count = count;
        timer.onTimer = rec.point(kTick);
        timer.onStop = rec.point(kStop);
    }
    std::vector<std::uint16_t> events() const { return rec.indexes; }
    void start(THITimer& timer) {
        TData d;
        timer.doTimer(d);
    }

    Recorder rec;
};

TEST_F(TimerTest, CountedRunsTickThenStopOnce) {
    struct Case {
        std::int32_t count;
        std::vector<std::uint16_t> expected;
    };
    for (const Case& c : {Case{1, {kTick, kStop}}, Case{3, {kTick, kTick, kTick, kStop}}}) {
        rec.indexes.clear();
        THITimer timer;
        wire(timer, 100, c.count);
        start(timer);
        loop.advance(99);
        EXPECT_TRUE(events().empty()) << "the first tick comes one interval after the start";
        loop.advance(1 + 100 * (c.count - 1));
        EXPECT_EQ(events(), c.expected) << "count " << c.count;
        loop.advance(1000);
        EXPECT_EQ(events(), c.expected) << "a finished run stays stopped";
    }
}

TEST_F(TimerTest, EndlessRunTicksUntilStopped) {
    THITimer timer;
    wire(timer, 50, 0);
    start(timer);
    loop.advance(500);
    EXPECT_EQ(events(), std::vector<std::uint16_t>(10, kTick));
    TData d;
    timer.doStop(d);
    loop.advance(500);
    EXPECT_EQ(events().size(), 11u);
    EXPECT_EQ(events().back(), kStop);
}

TEST_F(TimerTest, EnableRunsFromCreationAndDisableStopsSilently) {
    THITimer timer;
    wire(timer, 100, 0);
    timer.setEnable(true);
    loop.advance(300);
    EXPECT_EQ(events(), std::vector<std::uint16_t>(3, kTick));
    timer.setEnable(false);
    loop.advance(300);
    EXPECT_EQ(events().size(), 3u);
}

TEST_F(TimerTest, IntervalChangeRestartsTheRunningPeriod) {
    THITimer timer;
    std::vector<std::uint64_t> times;
    Action at;
    at.run = [&] { times.push_back(loop.nowMs()); };
    timer.Interval = 100;
    timer.onTimer = at.point();
    start(timer);
    loop.advance(250);
    TData fifty = makeInteger(50);
    timer.doInterval(fifty);
    loop.advance(100);
    EXPECT_EQ(times, (std::vector<std::uint64_t>{100, 200, 300, 350}));
    EXPECT_EQ(timer.Interval, 50);
}

TEST_F(TimerTest, StartReloadsTheTickCount) {
    THITimer timer;
    wire(timer, 100, 2);
    start(timer);
    loop.advance(150);
    start(timer);  // one tick used, the count starts over
    loop.advance(1000);
    EXPECT_EQ(events(), (std::vector<std::uint16_t>{kTick, kTick, kTick, kStop}));
}

// A chain that pumps the loop lets further ticks arrive; they run after it, never inside it.
TEST_F(TimerTest, TicksDuringAPumpingChainRunAfterItOneByOne) {
    THITimer timer;
    int depth = 0;
    int deepest = 0;
    std::vector<std::uint64_t> times;
    Action chain;
    chain.run = [&] {
        ++depth;
        deepest = std::max(deepest, depth);
        times.push_back(loop.nowMs());
        if (times.size() == 1) loop.advance(350);  // ticks due at 200, 300 and 400 arrive inside
        --depth;
    };
    timer.Interval = 100;
    timer.onTimer = chain.point();
    start(timer);
    loop.advance(100);
    EXPECT_EQ(deepest, 1);
    EXPECT_EQ(times, (std::vector<std::uint64_t>{100, 450, 450, 450}));
    loop.advance(50);
    EXPECT_EQ(times.size(), 5u) << "the timer keeps its period after the burst";
}

TEST_F(TimerTest, WaitingTicksBeyondTheCountAreDropped) {
    THITimer timer;
    wire(timer, 100, 2);
    bool pumped = false;
    Action chain;
    chain.run = [&] {
        rec.indexes.push_back(kTick);
        if (!std::exchange(pumped, true)) loop.advance(350);
    };
    timer.onTimer = chain.point();
    start(timer);
    loop.advance(1000);
    EXPECT_EQ(events(), (std::vector<std::uint16_t>{kTick, kTick, kStop}));
}

TEST_F(TimerTest, AnElementErrorEndsOnlyItsOwnTick) {
    THITimer timer;
    wire(timer, 100, 2);
    Action failing;
    failing.run = [&] {
        rec.indexes.push_back(kTick);
        throw ElementError(error::NoData);
    };
    timer.onTimer = failing.point();
    Action failingStop;
    failingStop.run = [&] {
        rec.indexes.push_back(kStop);
        throw ElementError(error::Syntax);
    };
    timer.onStop = failingStop.point();
    start(timer);
    EXPECT_NO_THROW(loop.advance(1000));
    EXPECT_EQ(events(), (std::vector<std::uint16_t>{kTick, kTick, kStop}));
}

TEST_F(TimerTest, StopFromTheLastTickChainReportsOnce) {
    THITimer timer;
    wire(timer, 100, 1);
    Action chain;
    chain.run = [&] {
        TData d;
        timer.doStop(d);
    };
    timer.onTimer = chain.point();
    start(timer);
    loop.advance(1000);
    EXPECT_EQ(events(), (std::vector<std::uint16_t>{kStop}));
}

TEST_F(TimerTest, RestartFromTheLastTickChainKeepsRunning) {
    THITimer timer;
    wire(timer, 100, 1);
    int ticks = 0;
    Action chain;
    chain.run = [&] {
        if (++ticks == 1) start(timer);
    };
    timer.onTimer = chain.point();
    start(timer);
    loop.advance(1000);
    EXPECT_EQ(ticks, 2);
    EXPECT_EQ(events(), (std::vector<std::uint16_t>{kStop})) << "only the restarted run reports its end";
}

TEST_F(TimerTest, DestroyingARunningTimerStopsItsTicks) {
    {
        THITimer timer;
        wire(timer, 10, 0);
        start(timer);
        loop.advance(10);
    }
    loop.advance(100);
    EXPECT_EQ(events(), (std::vector<std::uint16_t>{kTick}));
}
