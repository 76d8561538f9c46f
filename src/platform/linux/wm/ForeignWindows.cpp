// The desktop's active window and what the bar reads of it: styles, state, placement and the frame
// metrics, from the EWMH properties the window manager keeps on it. Our own windows answer too.
#include "platform/Monitors.h"
#include "platform/linux/LinuxPlatform.h"
#include "platform/linux/profile/ProfileText.h"
#include "platform/linux/wm/ForeignMapping.h"
#include "platform/linux/wm/TitleButtons.h"
#include "platform/linux/wm/WindowManager.h"
#include "platform/linux/x11/FormWindow.h"
#include "platform/linux/x11/XProperties.h"

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
    RequestActivation(*window, !window->Unmanaged() && WmSupports(XAtom::ActiveWindow));
}

// Another program's window stops being followed once it is no longer in the foreground.
WindowHandle LinuxPlatform::GetForegroundWindow() {
    const WindowHandle foreground = ForegroundWindow();
    if (ForeignXid(foreground) == 0)
        facts_.Unfollow();
    return foreground;
}

// One of ours with the keyboard focus (clicked, or activated for its menu) is the foreground, as a
// clicked window is on Windows: managers do not name override-redirect windows active. Without a live
// manager nothing else is: a dead one's _NET_ACTIVE_WINDOW would be stale.
WindowHandle LinuxPlatform::ForegroundWindow() {
    if (const XWindowId focus = facts_.FocusXid()) {
        for (const auto& [handle, window] : windows_) {
            if (XidOf(*window) == focus)
                return handle;
        }
    }
    if (facts_.CheckWindow() == 0)
        return 0;
    const XWindowId active = facts_.ActiveWindow();
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
    return xid ? StyleFromActions(facts_.AllowedActions(xid), facts_.Kind(xid)) : 0;
}

std::uint32_t LinuxPlatform::GetWindowExStyle(WindowHandle w) {
    const XWindowId xid = ForeignXid(w);
    return xid && facts_.Kind(xid) == WindowKind::Tool ? kExStyleToolWindow : 0;
}

// normalPosition is the frame's rectangle in screen coordinates (Windows gives work-area ones).
WindowPlacement LinuxPlatform::GetWindowPlacement(WindowHandle w) {
    if (FormWindow* window = Find(w)) {
        const XWindowId xid = XidOf(*window);
        const WmState state = xid ? ReadWmState(xid).value_or(WmState{}) : WmState{};
        return {ShowCmdFromState(state), window->OuterRect()};
    }
    const XWindowId xid = ForeignXid(w);
    const std::optional<WmState> state = facts_.State(xid);
    const std::optional<PixelRect> rect = facts_.OuterRect(xid);
    if (!state || !rect)
        return {};
    return {ShowCmdFromState(*state), *rect};
}

// Our windows and other programs' alike get the classic Windows values: a frame's real sizes are
// in the caption geometry.
int LinuxPlatform::GetSystemMetric(Metric m, WindowHandle) {
    return ClassicMetric(m, ScreenSize());
}

// --- monitors and title bars ---

PixelRect LinuxPlatform::GetMonitorRect(WindowHandle w) {
    const PixelPoint screen = ScreenSize();
    const std::vector<PixelRect> monitors = facts_.Monitors();
    if (w == 0)
        return monitors.empty() ? PixelRect{0, 0, screen.x, screen.y} : monitors.front();
    return MonitorHolding(monitors, GetWindowRect(w), {0, 0, screen.x, screen.y});
}

CaptionGeometry LinuxPlatform::GetCaptionGeometry(WindowHandle w) {
    FrameFacts f;
    f.monitor = GetMonitorRect(w);
    f.workArea = WorkAreaOn(f.monitor, facts_.WorkArea());
    const XWindowId xid = ForeignXid(w);
    if (!xid) {
        f.outer = w != 0 ? GetWindowRect(w) : PixelRect{};
        return CaptionFromFrame(f);
    }
    const std::optional<WmState> state = facts_.State(xid);
    const std::optional<PixelRect> outer = facts_.OuterRect(xid);
    if (!state || !outer)
        return CaptionFromFrame(f);
    f.showCmd = ShowCmdFromState(*state);
    f.outer = *outer;
    f.frame = facts_.Extents(xid);
    if (!DrawsTitleBar(f.frame))
        f.gtk = facts_.GtkExtents(xid);
    f.buttons = ManagerButtons();
    return CaptionFromFrame(f);
}

void LinuxPlatform::SetTitleButtonLayouts(std::vector<std::pair<std::string, std::string>> layouts) {
    titleButtonLayouts_ = std::move(layouts);
    managerLooked_ = false;
}

// Looked up once for each manager that starts, and again after new layouts.
std::optional<TitleButtons> LinuxPlatform::ManagerButtons() {
    std::string manager = facts_.ManagerName();
    if (manager != managerName_ || !managerLooked_) {
        managerButtons_ = TitleButtonsFor(
            manager, [this](std::string_view key) { return posix::FindEntry(titleButtonLayouts_, key).value_or(""); });
        managerName_ = std::move(manager);
        managerLooked_ = true;
    }
    return managerButtons_;
}

// --- follow tick: window facts read once a tick ---

void LinuxPlatform::BeginWindowFacts() {
    facts_.BeginRound();
}

void LinuxPlatform::EndWindowFacts() {
    facts_.EndRound();
}

}  // namespace platform::x11
