// The backend's event loop (FLTK's timeouts on Linux, no display needed; the thread's message queue on
// Windows): timers stopped and started from inside ticks, a tick not re-entered from a nested loop,
// and the order of posted tasks.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#ifdef _WIN32
#include "platform/win32/MessageLoop.h"
using Loop = platform::win32::MessageLoop;
#else
#include "platform/linux/x11/EventLoop.h"
using Loop = platform::x11::EventLoop;
#endif

namespace {

using platform::TimerId;

// Runs the loop until Quit, or for ms at most however the test goes, so a broken timer cannot hang
// the run.
void RunAtMost(Loop& loop, std::uint32_t ms) {
    const TimerId guard = loop.StartTimer(ms, [&loop] { loop.QuitLoop(); });
    loop.RunLoop();
    loop.StopTimer(guard);
}

TEST(EventLoop, ATickMayStopItselfAndAnotherTimerAndStartANewOne) {
    Loop loop;
    std::string trace;
    const TimerId other = loop.StartTimer(300, [&] { trace += 'x'; });
    TimerId first = 0, second = 0;
    first = loop.StartTimer(10, [&] {
        loop.StopTimer(other);
        if ((trace += 'a').size() < 3)
            return;
        loop.StopTimer(first);
        second = loop.StartTimer(10, [&] {
            if ((trace += 'b').ends_with("bb"))
                loop.StopTimer(second);
        });
        trace += '.';  // the stopped tick's captures are still in use: its function must still be alive
    });
    ASSERT_NE(first, 0u);
    RunAtMost(loop, 500);  // past the other timer's time: it stays stopped
    EXPECT_EQ(trace, "aaa.bb");
    loop.StopTimer(first);  // stopping twice, or an unknown id, is harmless
    loop.StopTimer(12345);
}

TEST(EventLoop, TickIsNotReenteredFromANestedLoop) {
    Loop loop;
    int entered = 0, depth = 0, deepest = 0;
    TimerId id = 0;
    id = loop.StartTimer(10, [&] {
        deepest = std::max(deepest, ++depth);
        if (++entered == 1) {
            RunAtMost(loop, 50);  // as a message box runs one; the timer comes due again meanwhile
        } else {
            loop.StopTimer(id);
            loop.QuitLoop();
        }
        --depth;
    });
    RunAtMost(loop, 2000);
    EXPECT_EQ(deepest, 1);
    EXPECT_GE(entered, 2);
}

TEST(EventLoop, PostedTasksRunInOrderAfterTheCurrentHandlerAndQuitEndsTheLoop) {
    Loop loop;
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
    EXPECT_TRUE(order.empty());
    RunAtMost(loop, 5000);
    EXPECT_EQ(order, "abcd");
}

}  // namespace
