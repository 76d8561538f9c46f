// Timers, posted tasks and the message loop of the Win32 backend, pumped for bounded times. A tick
// that opens a modal loop is in ProcessServicesTest.
#include "platform/win32/MessageLoop.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Win32TestSupport.h"

namespace {

using vigilon_test::PumpUntil;

TEST(MessageLoop, ATickMayStopItsOwnTimerAndStartAnother) {
    platform::win32::MessageLoop loop;
    std::string trace;
    platform::TimerId first = 0, second = 0;
    first = loop.StartTimer(10, [&] {
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
    EXPECT_TRUE(PumpUntil([&] { return trace.size() >= 6; }));
    PumpUntil([] { return false; }, 150);
    EXPECT_EQ(trace, "aaa.bb");
    loop.StopTimer(first);  // stopping twice, or an unknown id, is harmless
    loop.StopTimer(12345);
}

TEST(MessageLoop, PostedTasksRunLaterInOrderAndQuitEndsTheLoop) {
    const auto p = platform::CreatePlatform();
    std::vector<int> order;
    p->Loop().Post([&] {
        order.push_back(1);
        p->Loop().Post([&] {
            order.push_back(3);
            p->Loop().QuitLoop();
        });
    });
    p->Loop().Post([&] { order.push_back(2); });
    EXPECT_TRUE(order.empty());
    // Bounded: should QuitLoop not end the loop, this ends it after 5 s and leaves its mark.
    const auto guard = p->Loop().StartTimer(5000, [&] {
        order.push_back(0);
        ::PostQuitMessage(0);
    });
    p->Loop().RunLoop();
    p->Loop().StopTimer(guard);
    EXPECT_EQ(order, (std::vector<int>{1, 2, 3}));
}

}  // namespace
