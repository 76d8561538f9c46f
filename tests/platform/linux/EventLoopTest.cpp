// Timers and posted tasks on FLTK's timeouts (no display needed): stopping from inside ticks,
// posting order, and the loop's end.
#include "platform/linux/EventLoop.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

namespace {

using platform::TimerId;
using platform::x11::EventLoop;

// Ends the loop after ms however the test goes, so a broken timer cannot hang the run.
TimerId Guard(EventLoop& loop, std::uint32_t ms) {
    return loop.StartTimer(ms, [&loop] { loop.Quit(); });
}

TEST(EventLoop, TimerCanStopItselfAndAnotherFromItsTick) {
    EventLoop loop;
    int selfTicks = 0;
    int otherTicks = 0;
    TimerId self = 0;
    const TimerId other = loop.StartTimer(2, [&] { ++otherTicks; });
    self = loop.StartTimer(1, [&] {
        ++selfTicks;
        loop.StopTimer(self);
        loop.StopTimer(other);
    });
    Guard(loop, 60);
    loop.Run();
    EXPECT_EQ(selfTicks, 1);
    EXPECT_EQ(otherTicks, 0);
}

TEST(EventLoop, RepeatsUntilStoppedAndStoppingTwiceIsHarmless) {
    EventLoop loop;
    int ticks = 0;
    TimerId id = 0;
    id = loop.StartTimer(1, [&] {
        if (++ticks == 3) {
            loop.StopTimer(id);
            loop.Quit();
        }
    });
    Guard(loop, 1000);
    loop.Run();
    EXPECT_EQ(ticks, 3);
    loop.StopTimer(id);
    loop.StopTimer(12345);
}

TEST(EventLoop, PostedTasksRunInOrderAfterTheCurrentHandler) {
    EventLoop loop;
    std::string order;
    TimerId once = 0;
    once = loop.StartTimer(1, [&] {
        loop.StopTimer(once);
        loop.Post([&] {
            order += "b";
            loop.Post([&] {
                order += "d";
                loop.Quit();
            });
        });
        loop.Post([&] { order += "c"; });
        order += "a";
    });
    Guard(loop, 1000);
    loop.Run();
    EXPECT_EQ(order, "abcd");
}

TEST(EventLoop, QuitBeforeRunEndsTheNextRunAtOnce) {
    EventLoop loop;
    loop.Quit();
    loop.Run();  // returns without waiting
    bool ticked = false;
    loop.StartTimer(5, [&] {
        ticked = true;
        loop.Quit();
    });
    loop.Run();  // the earlier quit was used up: this one waits for the tick
    EXPECT_TRUE(ticked);
}

TEST(EventLoop, StalledTimerDoesNotCatchUpInABurst) {
    EventLoop loop;
    std::vector<std::chrono::steady_clock::time_point> runs;
    const auto stall = std::chrono::milliseconds(200);
    loop.StartTimer(20, [&] {
        runs.push_back(std::chrono::steady_clock::now());
        if (runs.size() == 1)
            std::this_thread::sleep_for(stall);
        if (runs.size() == 2)
            loop.Quit();
    });
    Guard(loop, 2000);
    loop.Run();
    ASSERT_EQ(runs.size(), 2u);
    // FLTK alone would run the missed tick straight after the stall.
    EXPECT_GE(runs[1] - runs[0] - stall, std::chrono::milliseconds(8));
}

TEST(EventLoop, TickIsNotReenteredWhileItRuns) {
    EventLoop loop;
    int entered = 0;
    int depth = 0;
    int deepest = 0;
    TimerId id = 0;
    id = loop.StartTimer(1, [&] {
        ++entered;
        ++depth;
        deepest = std::max(deepest, depth);
        if (entered == 1) {
            // A nested loop, as a message box runs one: the timer comes due again meanwhile.
            loop.StartTimer(20, [&] { loop.Quit(); });
            loop.Run();
        }
        --depth;
        if (entered >= 2) {
            loop.StopTimer(id);
            loop.Quit();
        }
    });
    Guard(loop, 1000);
    loop.Run();
    EXPECT_EQ(deepest, 1);
    EXPECT_GE(entered, 2);
}

TEST(EventLoop, DestroyedLoopLeavesNoTimeoutBehind) {
    {
        EventLoop loop;
        loop.StartTimer(1, [] { FAIL() << "a timer of a destroyed loop ran"; });
        loop.Post([] { FAIL() << "a task of a destroyed loop ran"; });
    }
    EventLoop next;
    Guard(next, 20);
    next.Run();
}

}  // namespace
