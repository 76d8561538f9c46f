// What the follow tick reads of the desktop, kept between ticks and brought up to date by X events
// instead of being asked again: the keyboard focus, the manager and its check window, the active
// window, the monitors and work area, and the facts of one followed window (its allowed actions,
// type, state, frame extents, the frame it draws itself and its rectangle). X11 headers stay in WindowFacts.cpp.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "platform/linux/x11/XProperties.h"

namespace platform::x11 {

// Outside a round every answer is asked of the server, as before. Inside a round (one follow tick)
// each answer is asked at most once and then kept until an event says it may have changed: the
// property, structure and focus events the kept facts depend on are selected when a fact is first
// kept. Events a round has not seen yet are taken in when it begins, so a round sees what the
// server had told before it began. One other program's window is followed at a time; asking about
// another drops the first one's events.
class WindowFacts {
public:
    WindowFacts();
    ~WindowFacts();
    WindowFacts(const WindowFacts&) = delete;
    WindowFacts& operator=(const WindowFacts&) = delete;

    void BeginRound();
    void EndRound();

    // The window with the keyboard focus (0 for none or PointerRoot).
    XWindowId FocusXid();
    // The live manager's check window, and its name.
    XWindowId CheckWindow();
    std::string ManagerName();
    // The root's _NET_ACTIVE_WINDOW.
    XWindowId ActiveWindow();
    std::vector<PixelRect> Monitors();
    // The root's _NET_WORKAREA of the current desktop.
    std::optional<PixelRect> WorkArea();

    WmActions AllowedActions(XWindowId w);
    WindowKind Kind(XWindowId w);
    std::optional<WmState> State(XWindowId w);
    std::optional<FrameExtents> Extents(XWindowId w);
    std::optional<FrameExtents> GtkExtents(XWindowId w);
    std::optional<PixelRect> OuterRect(XWindowId w);

    // One of our windows was hidden or destroyed: the focus may have gone with it unannounced.
    void OurWindowGone();
    // No other program's window is followed now (ours or none is in the foreground): its events
    // are dropped, so it no longer wakes us.
    void Unfollow();

    struct Kept;  // in WindowFacts.cpp

private:
    std::unique_ptr<Kept> kept_;
};

}  // namespace platform::x11
