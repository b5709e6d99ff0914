#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "ui/headless/realtime_loop.h"
#include "ui/headless/virtual_loop.h"

using namespace ui::headless;

TEST(VirtualLoop, TimersRunInDueOrderAndMayStopThemselves) {
    VirtualLoop loop;
    std::vector<std::string> log;
    ui::TimerId fast = 0;
    int fastTicks = 0;
    fast = loop.startTimer(30, [&] {
        log.push_back("fast@" + std::to_string(loop.nowMs()));
        if (++fastTicks == 2) loop.stopTimer(fast);
    });
    loop.startTimer(50, [&] { log.push_back("slow@" + std::to_string(loop.nowMs())); });
    loop.advance(100);
    EXPECT_EQ(log, (std::vector<std::string>{"fast@30", "slow@50", "fast@60", "slow@100"}));
    EXPECT_EQ(loop.nowMs(), 100u);
}

TEST(VirtualLoop, PostedTasksRunInOrderAndPumpRunsThemInsideATick) {
    VirtualLoop loop;
    std::vector<int> order;
    loop.startTimer(10, [&] {
        loop.post([&] { order.push_back(2); });
        loop.pump();  // a modal box pumping inside a tick
        order.push_back(3);
    });
    loop.post([&] { order.push_back(1); });
    loop.advance(10);
    EXPECT_EQ(order, (std::vector<int>{1, 2, 3}));
}

TEST(VirtualLoop, RunEndsOnQuitOrWhenNothingIsLeft) {
    VirtualLoop loop;
    loop.startTimer(1000, [&] { loop.quit(7); });
    EXPECT_EQ(loop.run(), 7);
    EXPECT_EQ(loop.nowMs(), 1000u);
    VirtualLoop idle;
    EXPECT_EQ(idle.run(), 0);
}

TEST(RealtimeLoop, RunsTasksPostedFromAnotherThread) {
    RealtimeLoop loop;
    int got = 0;
    std::thread worker([&] { loop.post([&] { got = 42, loop.quit(3); }); });
    EXPECT_EQ(loop.run(), 3);
    worker.join();
    EXPECT_EQ(got, 42);
}
