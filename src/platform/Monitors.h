// Which monitor a window is on, by the same rule on every backend that lists its monitors itself.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/Platform.h"

namespace platform {

// The monitor sharing the largest area with the window; a window on none of them belongs to the
// nearest one, and among equals the first listed (the primary, when the list starts with it) wins.
// An empty list stands for one monitor covering the whole screen.
inline PixelRect MonitorHolding(const std::vector<PixelRect>& monitors, const PixelRect& window, PixelRect screen) {
    if (monitors.empty())
        return screen;
    const auto overlap = [&](const PixelRect& m) {
        const std::int64_t w = std::min(m.right, window.right) - std::max(m.left, window.left);
        const std::int64_t h = std::min(m.bottom, window.bottom) - std::max(m.top, window.top);
        return w > 0 && h > 0 ? w * h : 0;
    };
    // Squared distance from the window's centre to the monitor (0 inside it).
    const auto distance = [&](const PixelRect& m) {
        const std::int64_t cx = (std::int64_t{window.left} + window.right) / 2;
        const std::int64_t cy = (std::int64_t{window.top} + window.bottom) / 2;
        const std::int64_t dx = cx < m.left ? m.left - cx : (cx >= m.right ? cx - m.right + 1 : 0);
        const std::int64_t dy = cy < m.top ? m.top - cy : (cy >= m.bottom ? cy - m.bottom + 1 : 0);
        return dx * dx + dy * dy;
    };
    const PixelRect* best = &monitors.front();
    for (const PixelRect& m : monitors) {
        const std::int64_t a = overlap(m), b = overlap(*best);
        if (a > b || (a == b && a == 0 && distance(m) < distance(*best)))
            best = &m;
    }
    return *best;
}

}  // namespace platform
