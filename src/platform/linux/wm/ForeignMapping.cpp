// Windows' answers from EWMH facts; the frame metrics are laid out so that the program's caption
// arithmetic lands on the title bar the manager drew.
#include "platform/linux/wm/ForeignMapping.h"

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

int ClassicMetric(Metric m, PixelPoint screen) {
    switch (m) {
        case Metric::ScreenWidth:
            return screen.x;
        case Metric::ScreenHeight:
            return screen.y;
        case Metric::BorderHeight:
            return 1;
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
    }
    return 0;
}

bool DrawsTitleBar(const std::optional<FrameExtents>& frame) {
    return frame && frame->top > frame->bottom;
}

CaptionGeometry CaptionFromFrame(const FrameFacts& f) {
    CaptionGeometry g;
    g.monitor = f.monitor;
    g.workArea = f.workArea;
    g.window = f.outer;
    if (f.showCmd != kShowNormal && f.showCmd != kShowMaximized)
        return g;
    const bool maximized = f.showCmd == kShowMaximized;
    if (!DrawsTitleBar(f.frame)) {
        g.headerBar = true;
        if (f.gtk) {
            // Extents are kept in 0..kMaxExtent by their reader; a shadow wider than the window leaves
            // an empty one.
            const FrameExtents& s = *f.gtk;
            const PixelRect& o = f.outer;
            const int left = std::min(o.left + s.left, o.right), top = std::min(o.top + s.top, o.bottom);
            g.window = {left, top, std::max(o.right - s.right, left), std::max(o.bottom - s.bottom, top)};
        }
        g.titleBar = {g.window.left, g.window.top, g.window.right, g.window.top};
        return g;
    }
    // Extents are kept in 0..kMaxExtent by their reader, so no sum here overflows.
    const FrameExtents& e = *f.frame;
    // The top border as thick as the side ones: the bottom may hold a resize handle (openbox: 5).
    const int border = std::min(e.left, e.top);
    g.titleBar = {f.outer.left + e.left, f.outer.top + border, f.outer.right - e.right, f.outer.top + e.top};
    if (maximized) {
        // Frames reach past the monitor's edges on some managers: what shows is on the monitor.
        const PixelRect& m = f.monitor;
        g.window = {std::max(g.window.left, m.left), std::max(g.window.top, m.top), std::min(g.window.right, m.right),
                    std::min(g.window.bottom, m.bottom)};
        g.titleBar = {std::max(g.titleBar.left, m.left), std::max(g.titleBar.top, m.top),
                      std::min(g.titleBar.right, m.right), std::max(g.titleBar.bottom, m.top)};
    }
    if (f.buttons)
        g.buttons = maximized ? f.buttons->maximized : f.buttons->normal;
    return g;
}

PixelRect WorkAreaOn(const PixelRect& monitor, const std::optional<PixelRect>& workArea) {
    if (!workArea)
        return monitor;
    const PixelRect r{std::max(monitor.left, workArea->left), std::max(monitor.top, workArea->top),
                      std::min(monitor.right, workArea->right), std::min(monitor.bottom, workArea->bottom)};
    return r.Width() > 0 && r.Height() > 0 ? r : monitor;
}

}  // namespace platform::x11
