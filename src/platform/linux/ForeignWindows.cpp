// The desktop's active window and what the bar reads of it: styles, state, placement and the frame
// metrics, from the EWMH properties the window manager keeps on it. Our own windows answer too.
#include "platform/linux/ForeignMapping.h"
#include "platform/linux/FormWindow.h"
#include "platform/linux/LinuxPlatform.h"
#include "platform/linux/WindowManager.h"
#include "platform/linux/XProperties.h"

namespace platform::x11 {

XWindowId LinuxPlatform::XidFor(WindowHandle w) const {
    if (FormWindow* window = Find(w))
        return XidOf(*window);
    return ForeignXid(w);
}

void LinuxPlatform::Activate(WindowHandle w) {
    FormWindow* window = Find(w);
    if (!window)
        return;
    window->Show();
    // Sent right after the map request, the manager reads it once it has taken the new window on.
    // A window no manager handles takes the focus itself.
    RequestActivation(*window, !window->Unmanaged() && WmSupports("_NET_ACTIVE_WINDOW"));
}

// One of ours with the keyboard focus (clicked, or activated for its menu) is the foreground, as a
// clicked window is on Windows: managers do not name override-redirect windows active. Without a live
// manager nothing else is: a dead one's _NET_ACTIVE_WINDOW would be stale.
WindowHandle LinuxPlatform::GetForegroundWindow() {
    if (const XWindowId focus = InputFocusXid()) {
        for (const auto& [handle, window] : windows_) {
            if (XidOf(*window) == focus)
                return handle;
        }
    }
    if (!WmRunning())
        return 0;
    const XWindowId active = ReadActiveWindow();
    if (active == 0)
        return 0;
    for (const auto& [handle, window] : windows_) {
        if (XidOf(*window) == active)
            return handle;
    }
    return ForeignHandle(active);
}

// Our windows have neither boxes nor a sizing frame, as on Windows.
std::uint32_t LinuxPlatform::GetWindowStyle(WindowHandle w) {
    const XWindowId xid = ForeignXid(w);
    return xid ? StyleFromActions(ReadAllowedActions(xid), ReadWindowKind(xid)) : 0;
}

std::uint32_t LinuxPlatform::GetWindowExStyle(WindowHandle w) {
    const XWindowId xid = ForeignXid(w);
    return xid && ReadWindowKind(xid) == WindowKind::Tool ? kExStyleToolWindow : 0;
}

// normalPosition is the frame's rectangle in screen coordinates (Windows gives work-area ones).
WindowPlacement LinuxPlatform::GetWindowPlacement(WindowHandle w) {
    if (FormWindow* window = Find(w)) {
        const XWindowId xid = XidOf(*window);
        const WmState state = xid ? ReadWmState(xid).value_or(WmState{}) : WmState{};
        return {ShowCmdFromState(state), window->OuterRect()};
    }
    const XWindowId xid = ForeignXid(w);
    const std::optional<WmState> state = ReadWmState(xid);
    const std::optional<PixelRect> rect = ReadOuterRect(xid);
    if (!state || !rect)
        return {};
    return {ShowCmdFromState(*state), *rect};
}

int LinuxPlatform::GetSystemMetric(Metric m, WindowHandle w) {
    const XWindowId xid = ForeignXid(w);
    const bool frameMetric = m != Metric::ScreenWidth && m != Metric::ScreenHeight && m != Metric::BorderHeight;
    const std::optional<FrameExtents> extents = xid && frameMetric ? ReadExtents(xid) : std::nullopt;
    return FrameMetric(m, extents, ScreenSize());
}

}  // namespace platform::x11
