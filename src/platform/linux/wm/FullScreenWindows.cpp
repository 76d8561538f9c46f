// Whether another program's window is full-screen: the manager's full-screen state, or no frame and
// its whole monitor covered. Everything comes from the kept window facts, so a follow tick with no
// news asks the server nothing.
#include "platform/FullScreen.h"
#include "platform/Monitors.h"
#include "platform/linux/wm/ForeignMapping.h"
#include "platform/linux/LinuxPlatform.h"
#include "platform/linux/x11/XProperties.h"

namespace platform::x11 {

namespace {
bool Unframed(const std::optional<FrameExtents>& e) {
    return !e || (e->left == 0 && e->right == 0 && e->top == 0 && e->bottom == 0);
}
}  // namespace

std::optional<PixelRect> LinuxPlatform::FullScreenMonitor(WindowHandle w) {
    const XWindowId xid = ForeignXid(w);
    if (!xid)
        return std::nullopt;
    const std::optional<WmState> state = facts_.State(xid);
    const std::optional<PixelRect> rect = facts_.OuterRect(xid);
    if (!state || !rect)
        return std::nullopt;  // gone
    const PixelPoint screen = ScreenSize();
    FullScreenFacts f;
    f.window = *rect;
    f.monitor = MonitorHolding(facts_.Monitors(), *rect, {0, 0, screen.x, screen.y});
    f.declared = state->fullScreen;
    f.framed = !Unframed(facts_.Extents(xid));
    f.desktop = facts_.Kind(xid) == WindowKind::Desktop;
    return FullScreenMonitorOf(f);
}

}  // namespace platform::x11
