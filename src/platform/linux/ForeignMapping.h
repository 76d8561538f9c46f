// How the window manager's facts about a window become the Windows answers the program expects:
// handles of other programs' windows, style bits, show states and the frame metrics.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/Platform.h"
#include "platform/linux/PropertyValues.h"
#include "platform/linux/WindowManager.h"

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

// A system metric for a window with these frame extents; without extents (no window, one of ours,
// one the manager does not frame) the classic Windows values.
int FrameMetric(Metric m, const std::optional<FrameExtents>& extents, PixelPoint screen);

// The extents that FrameMetric turns into a maximised window's metrics: no frame below the title bar,
// and a title bar from the monitor's top down to the one drawn (outer.top + extents.top).
FrameExtents MaximizedExtents(const FrameExtents& extents, const PixelRect& outer, const PixelRect& monitor);

}  // namespace platform::x11
