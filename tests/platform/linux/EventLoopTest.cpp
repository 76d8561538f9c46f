// Timers and posted tasks on FLTK's timeouts (no display needed): stopping from inside ticks, a tick
// not re-entered from a nested loop, and the order of posted tasks.
#include "platform/linux/x11/EventLoop.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

using platform::TimerId;
using platform::x11::EventLoop;

// Ends the loop after ms however the test goes, so a broken timer cannot hang the run.
void RunAtMost(EventLoop& loop, std::uint32_t ms) {
    loop.StartTimer(ms, [&loop] { loop.QuitLoop(); });
    loop.RunLoop();
}

TEST(EventLoop, TimerStopsItselfAndAnotherFromItsTick) {
    EventLoop loop;
    int ticks = 0, otherTicks = 0;
    const TimerId other = loop.StartTimer(2, [&] { ++otherTicks; });
    TimerId self = 0;
    self = loop.StartTimer(1, [&] {
        loop.StopTimer(other);
        if (++ticks == 3)
            loop.StopTimer(self);
    });
    RunAtMost(loop, 100);
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(otherTicks, 0);
    loop.StopTimer(self);  // stopped twice, or never started: harmless
    loop.StopTimer(12345);
}

TEST(EventLoop, TickIsNotReenteredFromANestedLoop) {
    EventLoop loop;
    int entered = 0, depth = 0, deepest = 0;
    TimerId id = 0;
    id = loop.StartTimer(1, [&] {
        deepest = std::max(deepest, ++depth);
        if (++entered == 1) {
            RunAtMost(loop, 20);  // as a message box runs one; the timer comes due again meanwhile
        } else {
            loop.StopTimer(id);
            loop.QuitLoop();
        }
        --depth;
    });
    RunAtMost(loop, 1000);
    EXPECT_EQ(deepest, 1);
    EXPECT_GE(entered, 2);
}

TEST(EventLoop, PostedTasksRunInOrderAfterTheCurrentHandler) {
    EventLoop loop;
    std::string order;
    loop.Post([&] {
        loop.Post([&] {
            order += "b";
            loop.Post([&] {
                order += "d";
                loop.QuitLoop();
            });
        });
        loop.Post([&] { order += "c"; });
        order += "a";
    });
    RunAtMost(loop, 1000);
    EXPECT_EQ(order, "abcd");
}

}  // namespace
