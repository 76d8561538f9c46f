// Which monitor holds a window.
#include "platform/Monitors.h"

#include <gtest/gtest.h>

namespace {

using platform::MonitorHolding;
using platform::PixelRect;

TEST(Monitors, TheLargestShareThenTheNearestThenTheFirst) {
    const PixelRect screen{0, 0, 2560, 800};
    const PixelRect left{0, 0, 1280, 800}, right{1280, 0, 2560, 800};
    const std::vector<PixelRect> two = {right, left};  // the primary (listed first) on the right
    const struct {
        const char* what;
        std::vector<PixelRect> monitors;
        PixelRect window;
        PixelRect monitor;
    } cases[] = {
        {"no monitors listed: the screen", {}, {10, 10, 20, 20}, screen},
        {"inside the left one", two, {100, 100, 500, 500}, left},
        {"maximised on the left, frame over its edges", two, {-5, -5, 1285, 805}, left},
        {"mostly on the right", two, {1200, 0, 1400, 100}, right},
        {"an even split goes to the first listed", two, {1180, 0, 1380, 100}, right},
        {"off every monitor: the nearest", two, {-500, 100, -300, 200}, left},
        {"below them all, right of the split", two, {2000, 900, 2100, 1000}, right},
        {"an empty window at a point", two, {300, 300, 300, 300}, left},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MonitorHolding(c.monitors, c.window, screen), c.monitor) << c.what;
}

}  // namespace
