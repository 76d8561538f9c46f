// A drive query that never answers (a dead network mount), played by a stalled test double.
#include "platform/linux/readings/TimedQueries.h"

#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <thread>

namespace {

using platform::DriveSpace;
using platform::posix::TimedQueries;

DriveSpace Answer(std::uint64_t total) {
    return DriveSpace{true, total / 2, total, {}};
}

TEST(TimedQueries, AStalledQueryFailsAsATimeoutAndIsNotAskedAgainUntilItReturns) {
    TimedQueries queries(std::chrono::milliseconds(20), "timed out");
    std::promise<void> release;
    const std::shared_future<void> released = release.get_future().share();
    std::atomic<int> asked{0};
    const auto deadMount = [&] {
        ++asked;
        released.wait();
        return Answer(8);
    };

    for (int tick = 0; tick < 3; ++tick) {
        const DriveSpace d = queries.Run("/mnt/dead", deadMount);
        EXPECT_FALSE(d.ok);
        EXPECT_EQ(d.error, "timed out");
    }
    EXPECT_EQ(asked, 1) << "one hung thread, not one per tick";
    EXPECT_EQ(queries.Run("/", [] { return Answer(4); }).total, 4u) << "other folders still answer";

    // Once the mount answers, the next query of it is asked for real.
    release.set_value();
    DriveSpace d;
    while (!(d = queries.Run("/mnt/dead", deadMount)).ok)
        std::this_thread::yield();
    EXPECT_EQ(d.total, 8u);
    EXPECT_EQ(asked, 2);
}

}  // namespace
