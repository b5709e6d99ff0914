#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "ui/headless/realtime_loop.h"
#include "ui/headless/virtual_loop.h"

using ui::headless::RealtimeLoop;
using ui::headless::VirtualLoop;

TEST(VirtualLoop, RunsEveryDueTickInTimeOrder) {
    VirtualLoop loop;
    std::vector<std::string> log;
    loop.startTimer(50, [&] { log.push_back("50@" + std::to_string(loop.nowMs())); });
    loop.startTimer(120, [&] { log.push_back("120@" + std::to_string(loop.nowMs())); });
    loop.advance(249);
    EXPECT_EQ(log, (std::vector<std::string>{"50@50", "50@100", "120@120", "50@150", "50@200", "120@240"}));
    EXPECT_EQ(loop.nowMs(), 249u);
}

TEST(VirtualLoop, ATimerStoppedFromItsOwnTickNeverFiresAgain) {
    VirtualLoop loop;
    int ticks = 0;
    ui::TimerId id = 0;
    id = loop.startTimer(10, [&] {
        if (++ticks == 2) loop.stopTimer(id);
    });
    loop.advance(100);
    EXPECT_EQ(ticks, 2);
}

TEST(VirtualLoop, ATickThatPumpsSeesLaterTicksNested) {
    VirtualLoop loop;
    std::vector<std::string> log;
    int depth = 0;
    loop.startTimer(10, [&] {
        log.push_back("tick depth " + std::to_string(depth) + " @" + std::to_string(loop.nowMs()));
        if (depth == 0 && loop.nowMs() == 10) {
            ++depth;
            loop.advance(10);  // a modal box pumping while the chain runs
            --depth;
        }
    });
    loop.advance(20);
    EXPECT_EQ(log, (std::vector<std::string>{"tick depth 0 @10", "tick depth 1 @20"}));
}

TEST(VirtualLoop, PostedTasksRunInOrderAndRunEndsWhenIdle) {
    VirtualLoop loop;
    std::string order;
    loop.post([&] { order += "a"; });
    loop.post([&] {
        order += "b";
        loop.post([&] { order += "c"; });
    });
    EXPECT_EQ(loop.run(), 0);
    EXPECT_EQ(order, "abc");
}

TEST(VirtualLoop, RunJumpsTheClockUntilQuit) {
    VirtualLoop loop;
    int ticks = 0;
    loop.startTimer(1000, [&] {
        if (++ticks == 3) loop.quit(7);
    });
    EXPECT_EQ(loop.run(), 7);
    EXPECT_EQ(loop.nowMs(), 3000u);
}

TEST(RealtimeLoop, TasksPostedFromOtherThreadsRunOnTheLoopThread) {
    RealtimeLoop loop;
    const auto loopThread = std::this_thread::get_id();
    int received = 0;
    bool allOnLoopThread = true;
    std::vector<std::thread> workers;
    for (int w = 0; w < 4; ++w) {
        workers.emplace_back([&] {
            for (int i = 0; i < 100; ++i) {
                loop.post([&] {
                    allOnLoopThread = allOnLoopThread && std::this_thread::get_id() == loopThread;
                    if (++received == 400) loop.quit(3);
                });
            }
        });
    }
    const int code = loop.run();
    for (auto& w : workers)
        w.join();
    EXPECT_EQ(code, 3);
    EXPECT_EQ(received, 400);
    EXPECT_TRUE(allOnLoopThread);
}
