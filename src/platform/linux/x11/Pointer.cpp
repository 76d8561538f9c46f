// Pointer queries and grabs on FLTK's display connection.
#include "platform/linux/x11/Pointer.h"

#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <FL/x.H>

namespace platform::x11 {

PointerState QueryPointer() {
    fl_open_display();
    Window root = 0;
    Window child = 0;
    int rootX = 0;
    int rootY = 0;
    int winX = 0;
    int winY = 0;
    unsigned int mask = 0;
    // False only when the pointer is on another screen: then nothing here can follow it either.
    if (!XQueryPointer(fl_display, RootWindow(fl_display, fl_screen), &root, &child, &rootX, &rootY, &winX, &winY,
                       &mask))
        return {};
    return {true, rootX, rootY, (mask & Button1Mask) != 0};
}

void ReleasePointerGrab() {
    fl_open_display();
    // FLTK would otherwise send the rest of the press (drags, the release) to the pressed window.
    Fl::pushed(nullptr);
    XUngrabPointer(fl_display, CurrentTime);
    XFlush(fl_display);
}

bool GrabPointerSilently(Fl_Window& window) {
    const Window xid = fl_xid(&window);
    if (!xid)
        return false;
    // No event mask and no owner events: while the loop moves the window by hand, neither it nor any
    // other window of ours sees the drag or the release as ordinary mouse input.
    return XGrabPointer(fl_display, xid, False, 0, GrabModeAsync, GrabModeAsync, 0UL, 0UL, CurrentTime) == GrabSuccess;
}

bool PointerGrabbedElsewhere(Fl_Window& window) {
    const Window xid = fl_xid(&window);
    if (!xid)
        return false;
    const int status = XGrabPointer(fl_display, xid, False, 0, GrabModeAsync, GrabModeAsync, 0UL, 0UL, CurrentTime);
    if (status == GrabSuccess)
        XUngrabPointer(fl_display, CurrentTime);
    return status == AlreadyGrabbed;
}

namespace {

void (*g_crossed)(Fl_Window&, bool) = nullptr;

int OnCrossing(void* event, void*) {
    const XEvent& e = *static_cast<const XEvent*>(event);
    if ((e.type != EnterNotify && e.type != LeaveNotify) || e.xcrossing.detail == NotifyInferior || !g_crossed)
        return 0;
    if (Fl_Window* window = fl_find(e.xcrossing.window))
        g_crossed(*window, e.type == EnterNotify);
    return 0;  // the toolkit handles the event as well
}

}  // namespace

void WatchPointerCrossings(void (*crossed)(Fl_Window& window, bool entered)) {
    if (!g_crossed)
        Fl::add_system_handler(&OnCrossing, nullptr);
    g_crossed = crossed;
}

}  // namespace platform::x11
