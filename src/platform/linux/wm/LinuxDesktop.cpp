// The Linux desktop port: the active window and what the bar reads of it (styles, state, placement,
// the frame metrics) from the EWMH properties the window manager keeps on it. Ours answer too.
#include "platform/linux/wm/LinuxDesktop.h"

#include <FL/Fl.H>

#include "platform/Monitors.h"
#include "platform/ProfileText.h"
#include "platform/linux/wm/ForeignMapping.h"
#include "platform/linux/wm/TitleButtons.h"
#include "platform/linux/wm/WindowManager.h"
#include "platform/linux/x11/FormWindow.h"
#include "platform/linux/x11/XProperties.h"

namespace platform::x11 {

// Another program's window stops being followed once it is no longer in the foreground.
WindowHandle LinuxDesktop::GetForegroundWindow() {
    const WindowHandle foreground = ForegroundWindow();
    if (ForeignXid(foreground) == 0)
        state_.Facts().Unfollow();
    return foreground;
}

// One of ours with the keyboard focus (clicked, or activated for its menu) is the foreground, as a
// clicked window is on Windows: managers do not name override-redirect windows active. Without a live
// manager nothing else is: a dead one's _NET_ACTIVE_WINDOW would be stale.
WindowHandle LinuxDesktop::ForegroundWindow() {
    if (const XWindowId focus = state_.Facts().FocusXid()) {
        for (const auto& [handle, window] : state_.Windows()) {
            if (XidOf(*window) == focus)
                return handle;
        }
    }
    if (state_.Facts().CheckWindow() == 0)
        return 0;
    const XWindowId active = state_.Facts().ActiveWindow();
    if (active == 0)
        return 0;
    for (const auto& [handle, window] : state_.Windows()) {
        if (XidOf(*window) == active)
            return handle;
    }
    return ForeignHandle(active);
}

// Our windows have neither boxes nor a sizing frame, as on Windows.
std::uint32_t LinuxDesktop::GetWindowStyle(WindowHandle w) {
    const XWindowId xid = ForeignXid(w);
    return xid ? StyleFromActions(state_.Facts().AllowedActions(xid), state_.Facts().Kind(xid)) : 0;
}

std::uint32_t LinuxDesktop::GetWindowExStyle(WindowHandle w) {
    const XWindowId xid = ForeignXid(w);
    return xid && state_.Facts().Kind(xid) == WindowKind::Tool ? kExStyleToolWindow : 0;
}

// Ours from their FormWindow, other programs' from the kept facts.
PixelRect LinuxDesktop::GetWindowRect(WindowHandle w) {
    if (FormWindow* window = state_.Find(w))
        return window->OuterRect();
    return state_.Facts().OuterRect(ForeignXid(w)).value_or(PixelRect{});
}

// normalPosition is the frame's rectangle in screen coordinates (Windows gives work-area ones).
WindowPlacement LinuxDesktop::GetWindowPlacement(WindowHandle w) {
    if (FormWindow* window = state_.Find(w)) {
        const XWindowId xid = XidOf(*window);
        const WmState state = xid ? ReadWmState(xid).value_or(WmState{}) : WmState{};
        return {ShowCmdFromState(state), window->OuterRect()};
    }
    const XWindowId xid = ForeignXid(w);
    const std::optional<WmState> state = state_.Facts().State(xid);
    const std::optional<PixelRect> rect = state_.Facts().OuterRect(xid);
    if (!state || !rect)
        return {};
    return {ShowCmdFromState(*state), *rect};
}

// Our windows and other programs' alike get the classic Windows values: a frame's real sizes are
// in the caption geometry.
int LinuxDesktop::GetSystemMetric(Metric m, WindowHandle) {
    return ClassicMetric(m, ScreenSize());
}

// --- monitors and title bars ---

PixelRect LinuxDesktop::GetMonitorRect(WindowHandle w) {
    const PixelPoint screen = ScreenSize();
    const std::vector<PixelRect> monitors = state_.Facts().Monitors();
    if (w == 0)
        return monitors.empty() ? PixelRect{0, 0, screen.x, screen.y} : monitors.front();
    return MonitorHolding(monitors, GetWindowRect(w), {0, 0, screen.x, screen.y});
}

CaptionGeometry LinuxDesktop::GetCaptionGeometry(WindowHandle w) {
    FrameFacts f;
    f.monitor = GetMonitorRect(w);
    f.workArea = WorkAreaOn(f.monitor, state_.Facts().WorkArea());
    const XWindowId xid = ForeignXid(w);
    if (!xid) {
        f.outer = w != 0 ? GetWindowRect(w) : PixelRect{};
        return CaptionFromFrame(f);
    }
    const std::optional<WmState> state = state_.Facts().State(xid);
    const std::optional<PixelRect> outer = state_.Facts().OuterRect(xid);
    if (!state || !outer)
        return CaptionFromFrame(f);
    f.showCmd = ShowCmdFromState(*state);
    f.outer = *outer;
    f.frame = state_.Facts().Extents(xid);
    if (!DrawsTitleBar(f.frame))
        f.gtk = state_.Facts().GtkExtents(xid);
    f.buttons = ManagerButtons();
    return CaptionFromFrame(f);
}

void LinuxDesktop::SetTitleButtonLayouts(std::vector<std::pair<std::string, std::string>> layouts) {
    titleButtonLayouts_ = std::move(layouts);
    managerLooked_ = false;
}

// Looked up once for each manager that starts, and again after new layouts.
std::optional<TitleButtons> LinuxDesktop::ManagerButtons() {
    std::string manager = state_.Facts().ManagerName();
    if (manager != managerName_ || !managerLooked_) {
        managerButtons_ = TitleButtonsFor(manager, [this](std::string_view key) {
            return profile::FindEntry(titleButtonLayouts_, key).value_or("");
        });
        managerName_ = std::move(manager);
        managerLooked_ = true;
    }
    return managerButtons_;
}

PixelPoint LinuxDesktop::GetCursorPos() {
    int x = 0;
    int y = 0;
    Fl::get_mouse(x, y);
    return {x, y};
}

// --- follow tick: window facts read once a tick ---

void LinuxDesktop::BeginWindowFacts() {
    state_.Facts().BeginRound();
}

void LinuxDesktop::EndWindowFacts() {
    state_.Facts().EndRound();
}

}  // namespace platform::x11
