// The desktop as the bar sees it: which window is in front, what other programs' windows are like
// (styles, placement, rectangles, full screen, title bar), the monitors and the pointer.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/Types.h"

namespace platform {

class DesktopPort {
public:
    virtual ~DesktopPort() = default;

    // The active window of the desktop (0 when there is none). For one of ours it is our own handle.
    virtual WindowHandle GetForegroundWindow() = 0;
    // Style and extended-style bits (the kStyle... values); 0 for no window.
    virtual std::uint32_t GetWindowStyle(WindowHandle w) = 0;
    virtual std::uint32_t GetWindowExStyle(WindowHandle w) = 0;
    // Outer rectangle in screen pixels; for our windows and other programs' alike.
    virtual PixelRect GetWindowRect(WindowHandle w) = 0;
    virtual WindowPlacement GetWindowPlacement(WindowHandle w) = 0;
    // A system metric as it applies to window w. Windows' metrics are the same for every window;
    // on Linux the frame and caption sizes come from the frame the window manager gave w.
    virtual int GetSystemMetric(Metric m, WindowHandle w) = 0;
    // The monitor window w fills as a full-screen window (a film, a game, a slide show), in screen
    // pixels; nothing when it is not full-screen, is one of ours, or is the desktop or the shell's.
    // The rule is FullScreenMonitorOf (FullScreen.h); the facts are the backend's.
    virtual std::optional<PixelRect> FullScreenMonitor(WindowHandle w) = 0;
    // The user's title-button layouts (window-manager name -> layout text), from the settings file;
    // they go before the backend's own table. Windows knows its buttons and ignores it.
    virtual void SetTitleButtonLayouts(std::vector<std::pair<std::string, std::string>> layouts) = 0;
    // The monitor that holds the larger part of window w, in screen pixels (the primary one for
    // window 0 or a window the system cannot place).
    virtual PixelRect GetMonitorRect(WindowHandle w) = 0;
    // Where window w's title bar is, how far its buttons reach, and the free part of its monitor:
    // see CaptionGeometry. Answers for any window, ours and none included.
    virtual CaptionGeometry GetCaptionGeometry(WindowHandle w) = 0;
    // Screen pixels.
    virtual PixelPoint GetCursorPos() = 0;

    // Between BeginWindowFacts and EndWindowFacts (one follow tick) the answers about other programs'
    // windows (the foreground window, styles, placement, rectangles, metrics, monitors, caption
    // geometry) are read at most once each; a backend that hears of changes may keep them from one
    // round to the next while nothing changes. Rounds may nest.
    virtual void BeginWindowFacts() {}
    virtual void EndWindowFacts() {}
};

}  // namespace platform
