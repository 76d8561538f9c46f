// EWMH properties and client messages for our windows, plus frame-extent queries.
#include "platform/linux/wm/WindowManager.h"
// Before the X11 headers, whose macros (None, Status) clash with the platform's names.
#include "platform/linux/x11/XProperties.h"

#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <FL/x.H>
#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <poll.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "platform/linux/x11/XAtoms.h"
#include "platform/linux/x11/XErrorTrap.h"

namespace platform::x11 {

namespace {

Window RootOf() {
    return RootWindow(fl_display, fl_screen);
}

constexpr long kStateAdd = 1;
constexpr long kSourceApplication = 1;
// Activation asked as a pager would: managers apply focus-stealing prevention to applications, and
// the window is activated here on the user's own request (a menu command, a click).
constexpr long kSourcePager = 2;
constexpr long kMoveResizeMove = 8;

void SendToRoot(Window about, Atom type, long d0, long d1 = 0, long d2 = 0, long d3 = 0, long d4 = 0) {
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = about;
    e.xclient.message_type = type;
    e.xclient.format = 32;
    e.xclient.data.l[0] = d0;
    e.xclient.data.l[1] = d1;
    e.xclient.data.l[2] = d2;
    e.xclient.data.l[3] = d3;
    e.xclient.data.l[4] = d4;
    XSendEvent(fl_display, RootOf(), False, SubstructureRedirectMask | SubstructureNotifyMask, &e);
}

void SetOpacityOn(Window xid, std::uint8_t alpha) {
    const unsigned long value = alpha * 0x01010101UL;
    XChangeProperty(fl_display, xid, AtomOf(XAtom::WindowOpacity), XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&value), 1);
}

// FLTK gives a class only to the windows a manager sees; tools and compositor rules find ours by it.
void SetClassOfUnmanaged(Fl_Window& window, Window xid) {
    XClassHint hint;
    hint.res_name = const_cast<char*>("vigilon");
    hint.res_class = const_cast<char*>(window.xclass() ? window.xclass() : "Vigilon");
    XSetClassHint(fl_display, xid, &hint);
}

// FLTK writes the title's UTF-8 bytes into WM_NAME and WM_ICON_NAME as STRING, which is Latin-1:
// other clients read them as mojibake. They are written again here through Xlib's conversion
// (STRING for a Latin-1 title, else COMPOUND_TEXT); a title it cannot convert leaves them out, and
// the manager takes _NET_WM_NAME, which FLTK writes as UTF-8.
void SetLegacyTitles(Window xid, const char* title) {
    char* list[] = {const_cast<char*>(title ? title : "")};
    XTextProperty text{};
    if (Xutf8TextListToTextProperty(fl_display, list, 1, XStdICCTextStyle, &text) == Success) {
        XSetWMName(fl_display, xid, &text);
        XSetWMIconName(fl_display, xid, &text);
    } else {
        XDeleteProperty(fl_display, xid, XA_WM_NAME);
        XDeleteProperty(fl_display, xid, XA_WM_ICON_NAME);
    }
    if (text.value)
        XFree(text.value);
}

// Whether a window manager redirects the maps of top-level windows: without one, nobody gives a
// newly mapped window the keyboard focus.
bool ManagerRedirectsMaps() {
    XWindowAttributes root{};
    return XGetWindowAttributes(fl_display, RootOf(), &root) && (root.all_event_masks & SubstructureRedirectMask);
}

}  // namespace

unsigned long XidOf(Fl_Window& window) {
    return fl_xid(&window);
}

// FLTK's own failure says only "Can't open display"; a Wayland session without XWayland leaves
// DISPLAY unset, and the user is to learn what is missing.
void OpenDisplay() {
    if (fl_display)
        return;
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        const char* name = std::getenv("DISPLAY");
        if (name && *name)
            std::fprintf(stderr, "Vigilon needs an X11 display (XWayland under Wayland): cannot open %s\n", name);
        else
            std::fprintf(stderr, "Vigilon needs an X11 display (XWayland under Wayland): DISPLAY is not set\n");
        std::exit(1);
    }
    fl_open_display(display);
}

void FlushDisplay() {
    if (fl_display)
        XFlush(fl_display);
}

void ShowWithWmState(Fl_Window& window, const MapOptions& options) {
    fl_open_display();
    XGrabServer(fl_display);
    window.show();
    if (const Window xid = fl_xid(&window)) {
        std::vector<Atom> states;
        if (options.skipTaskbar) {
            states.push_back(AtomOf(XAtom::StateSkipTaskbar));
            states.push_back(AtomOf(XAtom::StateSkipPager));
        }
        if (options.above)
            states.push_back(AtomOf(XAtom::StateAbove));
        // Appended: FLTK has put its own states (modal, skip-taskbar) there already.
        if (!states.empty()) {
            XChangeProperty(fl_display, xid, AtomOf(XAtom::State), XA_ATOM, 32, PropModeAppend,
                            reinterpret_cast<const unsigned char*>(states.data()), static_cast<int>(states.size()));
        }
        if (options.alpha)
            SetOpacityOn(xid, *options.alpha);
        if (options.dialogType) {
            const Atom dialog = AtomOf(XAtom::TypeDialog);
            XChangeProperty(fl_display, xid, AtomOf(XAtom::WindowType), XA_ATOM, 32, PropModeReplace,
                            reinterpret_cast<const unsigned char*>(&dialog), 1);
            // Motif hints, which managers read for their buttons: move and close only; border, title
            // and window menu, without resize handles and minimise and maximise buttons.
            const long motif[5] = {1 | 2, 4 | 32, 2 | 8 | 16, 0, 0};
            const Atom hints = AtomOf(XAtom::MotifWmHints);
            XChangeProperty(fl_display, xid, hints, hints, 32, PropModeReplace,
                            reinterpret_cast<const unsigned char*>(motif), 5);
        }
        if (window.override()) {
            SetClassOfUnmanaged(window, xid);
        } else {
            SetLegacyTitles(xid, window.label());
            // Mapped at once without a manager, so it can take the focus now, as a dialog opened
            // on a desktop is given it.
            if (!ManagerRedirectsMaps()) {
                XErrorTrap trap;  // not viewable after all: it keeps no focus, and nothing else breaks
                XSetInputFocus(fl_display, xid, RevertToParent, CurrentTime);
                trap.Sync();
            }
        }
        if (options.frameAtPosition) {
            XSizeHints* hints = XAllocSizeHints();
            long supplied = 0;
            XGetWMNormalHints(fl_display, xid, hints, &supplied);
            hints->flags |= PWinGravity;
            hints->win_gravity = NorthWestGravity;
            XSetWMNormalHints(fl_display, xid, hints);
            XFree(hints);
        }
    }
    XUngrabServer(fl_display);
    XFlush(fl_display);
}

void RequestAbove(Fl_Window& window) {
    const Window xid = fl_xid(&window);
    if (!xid)
        return;
    SendToRoot(xid, AtomOf(XAtom::State), kStateAdd, static_cast<long>(AtomOf(XAtom::StateAbove)), 0,
               kSourceApplication);
    XRaiseWindow(fl_display, xid);
    XFlush(fl_display);
}

void RequestMove(Fl_Window& window, int x, int y) {
    const Window xid = fl_xid(&window);
    if (!xid)
        return;
    XMoveWindow(fl_display, xid, x, y);
    XFlush(fl_display);
}

void RequestActivation(Fl_Window& window, bool viaManager) {
    const Window xid = fl_xid(&window);
    if (!xid)
        return;
    XRaiseWindow(fl_display, xid);
    if (viaManager) {
        SendToRoot(xid, AtomOf(XAtom::ActiveWindow), kSourcePager, CurrentTime);
    } else {
        // Without a manager the window is viewable as soon as FLTK has mapped it; should it not be
        // (unmapped meanwhile), the focus simply stays where it is.
        XErrorTrap trap;
        XSetInputFocus(fl_display, xid, RevertToParent, CurrentTime);
        trap.Sync();
    }
    XFlush(fl_display);
}

void TakeInputFocus(Fl_Window& window) {
    const Window xid = fl_xid(&window);
    if (!xid)
        return;
    // The click's own time, so a later focus change by the manager is never undone by this one.
    XErrorTrap trap;
    XSetInputFocus(fl_display, xid, RevertToPointerRoot, fl_event_time ? fl_event_time : CurrentTime);
    trap.Sync();
}

unsigned long InputFocusXid() {
    fl_open_display();
    Window focus = 0;
    int revert = 0;
    XGetInputFocus(fl_display, &focus, &revert);
    return focus == PointerRoot ? 0 : focus;
}

namespace {

std::vector<Fl_Window*> g_keptAbove;
bool g_raiseQueued = false;
bool g_watchingRoot = false;

void RaiseKeptWindows(void*) {
    g_raiseQueued = false;
    for (Fl_Window* window : g_keptAbove) {
        if (const Window xid = fl_xid(window))
            XRaiseWindow(fl_display, xid);
    }
    XFlush(fl_display);
}

// A managed window mapped or restacked (a manager raises the frame of the window it activates): ours
// go back on top once the events at hand are handled. Events about our own windows (the raise itself,
// menus, tooltips) are left alone, so nothing here feeds itself; so are other programs' override-
// redirect windows (their menus, tooltips, notifications), which would otherwise raise in turn.
int OnRootEvent(void* event, void*) {
    const XEvent& e = *static_cast<const XEvent*>(event);
    Window about = 0;
    if (e.type == ConfigureNotify && e.xconfigure.event == RootOf() && !e.xconfigure.override_redirect) {
        about = e.xconfigure.window;
    } else if (e.type == MapNotify && e.xmap.event == RootOf() && !e.xmap.override_redirect) {
        about = e.xmap.window;
    } else {
        return 0;
    }
    if (g_keptAbove.empty() || g_raiseQueued || fl_find(about))
        return 0;
    g_raiseQueued = true;
    Fl::add_timeout(0.0, &RaiseKeptWindows);
    return 0;
}

void WatchRootStacking() {
    if (g_watchingRoot)
        return;
    g_watchingRoot = true;
    XWindowAttributes a{};
    XGetWindowAttributes(fl_display, RootOf(), &a);
    XSelectInput(fl_display, RootOf(), a.your_event_mask | SubstructureNotifyMask);
    Fl::add_system_handler(&OnRootEvent, nullptr);
}

}  // namespace

void KeepAbove(Fl_Window& window, bool keep) {
    g_keptAbove.erase(std::remove(g_keptAbove.begin(), g_keptAbove.end(), &window), g_keptAbove.end());
    if (!keep)
        return;
    const Window xid = fl_xid(&window);
    if (!xid)
        return;
    WatchRootStacking();
    g_keptAbove.push_back(&window);
    XRaiseWindow(fl_display, xid);
    XFlush(fl_display);
}

void RequestMoveDrag(Fl_Window& window, int rootX, int rootY) {
    const Window xid = fl_xid(&window);
    if (!xid)
        return;
    // Our own implicit grab from the press would keep the manager from grabbing the pointer.
    XUngrabPointer(fl_display, CurrentTime);
    SendToRoot(xid, AtomOf(XAtom::MoveResize), rootX, rootY, kMoveResizeMove, Button1, kSourceApplication);
    XFlush(fl_display);
}

void SetOpacity(Fl_Window& window, std::uint8_t alpha) {
    const Window xid = fl_xid(&window);
    if (!xid)
        return;
    SetOpacityOn(xid, alpha);
    XFlush(fl_display);
}

std::optional<FrameExtents> ReadFrameExtents(Fl_Window& window) {
    const Window xid = fl_xid(&window);
    if (!xid)
        return std::nullopt;
    return ReadExtents(xid);
}

ScreenPoint ClientOrigin(Fl_Window& window) {
    const Window xid = fl_xid(&window);
    if (!xid)
        return {window.x(), window.y()};
    int x = 0;
    int y = 0;
    Window child = 0;
    XTranslateCoordinates(fl_display, xid, RootOf(), 0, 0, &x, &y, &child);
    return {x, y};
}

namespace {
std::optional<FrameExtents> g_decorated;
}  // namespace

const FrameExtents& DecoratedExtents() {
    if (!g_decorated)
        g_decorated = ProbeDecoratedExtents(200);
    return *g_decorated;
}

void NoteDecoratedExtents(const FrameExtents& extents) {
    g_decorated = extents;
}

FrameExtents ProbeDecoratedExtents(int timeoutMs) {
    fl_open_display();
    if (!WmRunning())
        return {};
    const Window probe = XCreateSimpleWindow(fl_display, RootOf(), 0, 0, 100, 100, 0, 0, 0);
    // Fixed size like our dialogs: a resizable window would get a taller frame (a grip at the bottom).
    XSizeHints* hints = XAllocSizeHints();
    hints->flags = PMinSize | PMaxSize;
    hints->min_width = hints->max_width = 100;
    hints->min_height = hints->max_height = 100;
    XSetWMNormalHints(fl_display, probe, hints);
    XFree(hints);
    XSelectInput(fl_display, probe, PropertyChangeMask);
    SendToRoot(probe, AtomOf(XAtom::RequestFrameExtents), 0);
    XFlush(fl_display);

    FrameExtents result;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        XEvent e;
        bool answered = false;
        while (XCheckTypedWindowEvent(fl_display, probe, PropertyNotify, &e)) {
            if (e.xproperty.atom == AtomOf(XAtom::FrameExtents))
                answered = true;
        }
        if (answered) {
            result = ReadExtents(probe).value_or(FrameExtents{});
            break;
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            break;
        pollfd pfd{ConnectionNumber(fl_display), POLLIN, 0};
        ::poll(&pfd, 1, static_cast<int>(left.count()));
    }
    XDestroyWindow(fl_display, probe);
    XFlush(fl_display);
    return result;
}

}  // namespace platform::x11
