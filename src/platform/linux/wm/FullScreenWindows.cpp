// Whether another program's window is full-screen: the manager's full-screen state, or no frame and
// its whole monitor covered. Everything comes from the kept window facts, so a follow tick with no
// news asks the server nothing.
#include "platform/FullScreen.h"
#include "platform/Monitors.h"
#include "platform/linux/wm/ForeignMapping.h"
#include "platform/linux/wm/LinuxDesktop.h"
#include "platform/linux/x11/XProperties.h"

namespace platform::x11 {

namespace {
bool Unframed(const std::optional<FrameExtents>& e) {
    return !e || (e->left == 0 && e->right == 0 && e->top == 0 && e->bottom == 0);
}
}  // namespace

std::optional<PixelRect> LinuxDesktop::FullScreenMonitor(WindowHandle w) {
    const XWindowId xid = ForeignXid(w);
    if (!xid)
        return std::nullopt;
    const std::optional<WmState> state = state_.Facts().State(xid);
    const std::optional<PixelRect> rect = state_.Facts().OuterRect(xid);
    if (!state || !rect)
        return std::nullopt;  // gone
    const PixelPoint screen = ScreenSize();
    FullScreenFacts f;
    f.window = *rect;
    f.monitor = MonitorHolding(state_.Facts().Monitors(), *rect, {0, 0, screen.x, screen.y});
    f.declared = state->fullScreen;
    f.framed = !Unframed(state_.Facts().Extents(xid));
    f.desktop = state_.Facts().Kind(xid) == WindowKind::Desktop;
    return FullScreenMonitorOf(f);
}

}  // namespace platform::x11
