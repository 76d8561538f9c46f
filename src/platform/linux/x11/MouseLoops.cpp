// The modal loops the user drives with the mouse: moving one of our windows by its body, and popup
// menus. Both keep the program's timers ticking.
#include <FL/Fl.H>

#include <chrono>

#include "platform/linux/controls/PopupMenu.h"
#include "platform/linux/wm/WindowManager.h"
#include "platform/linux/x11/FormWindow.h"
#include "platform/linux/x11/LinuxWindows.h"
#include "platform/linux/x11/Pointer.h"
#include "platform/linux/x11/XProperties.h"

namespace platform::x11 {

namespace {

// Between two looks at the button: short enough to follow the pointer smoothly, long enough to idle.
constexpr double kDragPollSeconds = 0.02;
// A drag held longer than this is taken as a release we never saw.
constexpr auto kDragLimit = std::chrono::minutes(2);
// How long the manager may take to finish a move after the button went up.
constexpr auto kSettleLimit = std::chrono::milliseconds(300);

}  // namespace

void LinuxWindows::ReleaseCapture() {
    ReleasePointerGrab();
}

void LinuxWindows::DragMove(WindowHandle w) {
    FormWindow* window = state_.Find(w);
    if (!window || !window->shown())
        return;
    const PointerState press = QueryPointer();
    if (!press.valid || !press.leftHeld)
        return;
    ReleasePointerGrab();
    // The manager moves only the windows it manages; the borderless ones move themselves.
    const bool byManager = !window->Unmanaged() && WmSupports(XAtom::MoveResize);
    const PixelRect start = window->OuterRect();
    // The move is measured from the press, not from here: the motion that started the drag has
    // already taken the pointer some way, and the window goes that way too.
    const PixelPoint origin = window->LeftPress().value_or(PixelPoint{press.x, press.y});
    bool grabbed = false;
    if (byManager) {
        RequestMoveDrag(*window, press.x, press.y);
    } else {
        grabbed = GrabPointerSilently(*window);
    }
    PixelPoint last = origin;
    const auto deadline = std::chrono::steady_clock::now() + kDragLimit;
    for (;;) {
        // Waits for an event or the poll period; the program's timers run inside.
        if (Fl::wait(kDragPollSeconds) < 0)
            break;
        // A tick may have unloaded the form meanwhile.
        window = state_.Find(w);
        if (!window || !window->shown())
            break;
        const PointerState now = QueryPointer();
        if (!now.valid || std::chrono::steady_clock::now() > deadline)
            break;
        // The last step counts too: the window lands where the button went up.
        if (!byManager && (now.x != last.x || now.y != last.y)) {
            last = {now.x, now.y};
            window->MoveOuter(start.left + now.x - origin.x, start.top + now.y - origin.y);
        }
        if (!now.leftHeld)
            break;
    }
    if (grabbed)
        ReleasePointerGrab();
    window = state_.Find(w);
    if (byManager && window && window->shown()) {
        // The button is up, but the manager may not have handled the release yet: once it lets go of
        // the pointer the move is over, and the window's rectangle is read from the server, so the
        // caller's next GetWindowRect sees where the window ended up.
        const auto settleEnd = std::chrono::steady_clock::now() + kSettleLimit;
        while (PointerGrabbedElsewhere(*window) && std::chrono::steady_clock::now() < settleEnd) {
            if (Fl::wait(0.01) < 0 || !(window = state_.Find(w)) || !window->shown())
                return;
        }
        window->AdoptServerPosition();
    }
}

int LinuxWindows::TrackPopupMenu(WindowHandle, const std::vector<std::string>& captions, PixelPoint at) {
    return RunPopupMenu(captions, at);
}

}  // namespace platform::x11
