// Windows' answers from EWMH facts; the frame metrics are laid out so that the program's caption
// arithmetic lands on the title bar the manager drew.
#include "platform/linux/ForeignMapping.h"

#include <algorithm>

namespace platform::x11 {

std::uint32_t StyleFromActions(const WmActions& actions, WindowKind kind) {
    std::uint32_t style = 0;
    const bool boxes = kind != WindowKind::Dialog;
    if (boxes && actions.minimize)
        style |= kStyleMinimizeBox;
    if (boxes && (actions.maximizeHorz || actions.maximizeVert))
        style |= kStyleMaximizeBox;
    if (actions.resize)
        style |= kStyleThickFrame;
    return style;
}

std::int32_t ShowCmdFromState(const WmState& state) {
    if (state.hidden)
        return kShowMinimized;
    if (state.maximizedVert && state.maximizedHorz)
        return kShowMaximized;
    return kShowNormal;
}

// The program finds a window's caption as C = (fx, fy, width - fx, fy + caption - border) from the
// outer top-left, with fx/fy the sizing (or fixed) frame and caption the (small) caption height. It
// puts the bar's bottom at C.bottom and leaves 3 * (C.bottom - C.top) for the title-bar buttons. With
// fx = left extent, fy = bottom extent (the frame's border), border = 1 and caption = top - bottom + 1,
// C.bottom is the top extent, the bottom of the title bar, and C's height that of the title bar.
int FrameMetric(Metric m, const std::optional<FrameExtents>& extents, PixelPoint screen) {
    switch (m) {
        case Metric::ScreenWidth:
            return screen.x;
        case Metric::ScreenHeight:
            return screen.y;
        case Metric::BorderHeight:
            return 1;
        default:
            break;
    }
    if (!extents) {
        switch (m) {
            case Metric::CaptionHeight:
                return 19;
            case Metric::SmallCaptionHeight:
                return 15;
            case Metric::FixedFrameX:
            case Metric::FixedFrameY:
                return 3;
            case Metric::SizingFrameX:
            case Metric::SizingFrameY:
                return 4;
            default:
                return 0;
        }
    }
    // Extents come from other clients: kept in 0..kMaxExtent so the sums below cannot overflow.
    const auto inRange = [](int v) { return std::clamp(v, 0, static_cast<int>(kMaxExtent)); };
    const FrameExtents e{inRange(extents->left), inRange(extents->right), inRange(extents->top),
                         inRange(extents->bottom)};
    switch (m) {
        case Metric::CaptionHeight:
        case Metric::SmallCaptionHeight:
            // At least one pixel, so a frame without a title bar gives an empty caption, not a negative one.
            return std::max(e.top - e.bottom + 1, 1);
        case Metric::FixedFrameX:
        case Metric::SizingFrameX:
            return e.left;
        case Metric::FixedFrameY:
        case Metric::SizingFrameY:
            return e.bottom;
        default:
            return 0;
    }
}

FrameExtents MaximizedExtents(const FrameExtents& extents, const PixelRect& outer, const PixelRect& monitor) {
    return {extents.left, extents.right, std::max(outer.top + extents.top - monitor.top, 0), 0};
}

}  // namespace platform::x11
