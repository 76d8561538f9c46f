// The title bar of a window as the classic Windows metrics reckon it: the frame and caption sizes of
// its styles, from its placement. Backends without better knowledge answer the caption query so.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/Platform.h"

namespace platform {

struct ReckoningInput {
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    WindowPlacement placement;
    PixelRect outer;  // the window's rectangle now
    PixelRect monitor;
    PixelRect workArea;
};

// Sizing frame (or fixed frame) fx/fy; caption height (small for a tool window) less a thin border.
// A normal window's caption lies inside the frame of its normal-position rectangle, taken as screen
// coordinates; a maximised one's runs from its monitor's top. Any other state has no caption to
// ride on. Buttons are left to the caption-height measure.
inline CaptionGeometry ReckonCaption(const ReckoningInput& in, const std::function<int(Metric)>& metric) {
    CaptionGeometry g;
    g.monitor = in.monitor;
    g.workArea = in.workArea;
    g.window = in.outer;
    const std::int32_t state = in.placement.showCmd;
    if (state != kShowNormal && state != kShowMaximized)
        return g;
    const bool sizing = (in.style & kStyleThickFrame) != 0;
    const int fx = metric(sizing ? Metric::SizingFrameX : Metric::FixedFrameX);
    const int fy = metric(sizing ? Metric::SizingFrameY : Metric::FixedFrameY);
    const bool tool = (in.exStyle & kExStyleToolWindow) != 0;
    const int caption = metric(tool ? Metric::SmallCaptionHeight : Metric::CaptionHeight);
    const int border = metric(Metric::BorderHeight);
    const int width = in.outer.Width() - 2 * fx;
    if (state == kShowNormal) {
        const PixelRect& n = in.placement.normalPosition;
        g.window = n;
        g.titleBar = {n.left + fx, n.top + fy, n.left + fx + width, n.top + fy + caption - border};
    } else {
        g.titleBar = {in.outer.left + fx, in.monitor.top, in.outer.left + fx + width,
                      in.monitor.top + caption - border};
    }
    return g;
}

}  // namespace platform
