// Timers, posted tasks and the message loop of the Win32 backend, pumped for bounded times.
#include "platform/win32/MessageLoop.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "Win32TestSupport.h"

namespace {

using vigilon_test::PumpFor;
using vigilon_test::PumpUntil;

TEST(MessageLoop, TimerRepeatsUntilItStopsItselfFromItsOwnTick) {
    platform::win32::MessageLoop loop;
    int ticks = 0;
    platform::TimerId id = 0;
    id = loop.StartTimer(10, [&] {
        if (++ticks == 3)
            loop.StopTimer(id);
    });
    ASSERT_NE(id, 0u);
    EXPECT_TRUE(PumpUntil([&] { return ticks >= 3; }));
    PumpFor(150);
    EXPECT_EQ(ticks, 3);
    loop.StopTimer(id);  // stopping twice, or an unknown id, is harmless
    loop.StopTimer(12345);
}

TEST(MessageLoop, ATickMayReplaceItsOwnTimer) {
    platform::win32::MessageLoop loop;
    std::string trace;
    platform::TimerId first = 0;
    first = loop.StartTimer(10, [&] {
        trace += 'a';
        loop.StopTimer(first);
        // The stopped tick's captures are still in use here: its function must still be alive.
        loop.StartTimer(10, [&trace] { trace += 'b'; });
        trace += 'a';
    });
    EXPECT_TRUE(PumpUntil([&] { return trace.size() >= 4; }));
    EXPECT_EQ(trace.substr(0, 4), "aabb");
}

TEST(MessageLoop, ATickDoesNotReenterItselfButOthersTickInside) {
    platform::win32::MessageLoop loop;
    int depth = 0, maxDepth = 0, slowTicks = 0, fastTicks = 0;
    const auto slow = loop.StartTimer(10, [&] {
        ++slowTicks;
        maxDepth = std::max(maxDepth, ++depth);
        if (slowTicks == 1)
            PumpFor(200);  // a modal loop inside the tick
        --depth;
    });
    const auto fast = loop.StartTimer(10, [&] { ++fastTicks; });
    EXPECT_TRUE(PumpUntil([&] { return slowTicks >= 2; }));
    EXPECT_EQ(maxDepth, 1);
    EXPECT_GE(fastTicks, 3);
    loop.StopTimer(slow);
    loop.StopTimer(fast);
}

TEST(MessageLoop, PostedTasksRunLaterInOrder) {
    platform::win32::MessageLoop loop;
    std::vector<int> order;
    loop.Post([&] {
        order.push_back(1);
        loop.Post([&] { order.push_back(3); });
    });
    loop.Post([&] { order.push_back(2); });
    EXPECT_TRUE(order.empty());
    EXPECT_TRUE(PumpUntil([&] { return order.size() == 3; }));
    EXPECT_EQ(order, (std::vector<int>{1, 2, 3}));
}

TEST(MessageLoop, RunReturnsAfterQuit) {
    const auto p = platform::CreatePlatform();
    int ticks = 0;
    platform::TimerId id = 0;
    id = p->StartTimer(10, [&] {
        if (++ticks == 2) {
            p->StopTimer(id);
            p->Post([&] { p->QuitLoop(); });
        }
    });
    // Bounded: should QuitLoop not end the loop, this ends it after 5 s and the clock shows it.
    const auto guard = p->StartTimer(5000, [] { ::PostQuitMessage(0); });
    const DWORD start = ::GetTickCount();
    p->RunLoop();
    p->StopTimer(guard);
    EXPECT_EQ(ticks, 2);
    EXPECT_LT(::GetTickCount() - start, 4000u);
}

}  // namespace
