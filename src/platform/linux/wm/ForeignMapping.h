// How the window manager's facts about a window become the answers the program expects: handles of
// other programs' windows, style bits, show states and where the title bar is.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/Platform.h"
#include "platform/linux/wm/PropertyValues.h"
#include "platform/linux/wm/TitleButtons.h"
#include "platform/linux/wm/WindowManager.h"

namespace platform::x11 {

// Handles of other programs' windows carry the X window id under a tag bit. Our own handles are small
// counters that never reach the tag, and X ids use 29 bits at most, so the two kinds never meet.
inline constexpr WindowHandle kForeignTag = WindowHandle{1} << (sizeof(WindowHandle) >= 8 ? 40 : 31);

constexpr WindowHandle ForeignHandle(XWindowId xid) {
    return kForeignTag | static_cast<WindowHandle>(xid);
}
// The X id of a foreign handle; 0 for any other handle.
constexpr XWindowId ForeignXid(WindowHandle w) {
    return (w & kForeignTag) != 0 ? static_cast<XWindowId>(w & ~kForeignTag) : 0;
}

// A dialog has no minimise or maximise box, as on Windows, whatever its manager draws on it.
std::uint32_t StyleFromActions(const WmActions& actions, WindowKind kind);
std::int32_t ShowCmdFromState(const WmState& state);

// The classic Windows value of a metric (the screen's size for the screen metrics).
int ClassicMetric(Metric m, PixelPoint screen);

// What the manager and the window tell of a window's frame.
struct FrameFacts {
    std::int32_t showCmd = 0;           // 0: no such window
    PixelRect outer;                    // the frame's outer rectangle (the window's own where it has no frame)
    std::optional<FrameExtents> frame;  // _NET_FRAME_EXTENTS
    std::optional<FrameExtents> gtk;    // _GTK_FRAME_EXTENTS: the shadow around a header-bar window
    std::optional<TitleButtons> buttons;
    PixelRect monitor;
    PixelRect workArea;
};

// True when the manager draws a title bar in this frame: its top is thicker than its bottom border.
bool DrawsTitleBar(const std::optional<FrameExtents>& frame);

// A frame whose top extent is a title bar: that strip inside the side borders, under a top border
// as thick as the left one, the buttons from the manager's table; on a maximised window only the
// part on its monitor. Without a title bar from the manager the window draws its own (a header bar)
// or has none: what shows of it is its rectangle less the shadow it draws around itself.
CaptionGeometry CaptionFromFrame(const FrameFacts& f);

// The part of the monitor inside the desktop's work area; the whole monitor when the work area
// leaves nothing of it (a work area that spans several monitors is one rectangle for all of them).
PixelRect WorkAreaOn(const PixelRect& monitor, const std::optional<PixelRect>& workArea);

}  // namespace platform::x11
