// EWMH property reads through FLTK's display connection, each under an XErrorTrap: the window may be
// destroyed by its program at any moment between our calls.
#include "platform/linux/XProperties.h"

#include <FL/x.H>
#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <array>
#include <vector>

#include "platform/linux/XErrorTrap.h"

namespace platform::x11 {

namespace {

enum AtomIndex {
    kActiveWindow,
    kAllowedActions,
    kActionMinimize,
    kActionMaximizeHorz,
    kActionMaximizeVert,
    kActionResize,
    kWindowType,
    kTypeUtility,
    kTypeToolbar,
    kTypeNormal,
    kTypeDialog,
    kState,
    kStateHidden,
    kStateMaximizedVert,
    kStateMaximizedHorz,
    kFrameExtents,
    kSupported,
    kSupportingWmCheck,
    kWmName,
    kAtomCount
};

Atom AtomOf(AtomIndex index) {
    fl_open_display();
    // Interned in one round trip, once for the process (FLTK keeps one display connection).
    static const std::array<Atom, kAtomCount> atoms = [] {
        const char* names[kAtomCount] = {"_NET_ACTIVE_WINDOW",
                                         "_NET_WM_ALLOWED_ACTIONS",
                                         "_NET_WM_ACTION_MINIMIZE",
                                         "_NET_WM_ACTION_MAXIMIZE_HORZ",
                                         "_NET_WM_ACTION_MAXIMIZE_VERT",
                                         "_NET_WM_ACTION_RESIZE",
                                         "_NET_WM_WINDOW_TYPE",
                                         "_NET_WM_WINDOW_TYPE_UTILITY",
                                         "_NET_WM_WINDOW_TYPE_TOOLBAR",
                                         "_NET_WM_WINDOW_TYPE_NORMAL",
                                         "_NET_WM_WINDOW_TYPE_DIALOG",
                                         "_NET_WM_STATE",
                                         "_NET_WM_STATE_HIDDEN",
                                         "_NET_WM_STATE_MAXIMIZED_VERT",
                                         "_NET_WM_STATE_MAXIMIZED_HORZ",
                                         "_NET_FRAME_EXTENTS",
                                         "_NET_SUPPORTED",
                                         "_NET_SUPPORTING_WM_CHECK",
                                         "_NET_WM_NAME"};
        std::array<Atom, kAtomCount> result{};
        XInternAtoms(fl_display, const_cast<char**>(names), kAtomCount, False, result.data());
        return result;
    }();
    return atoms[index];
}

Window Root() {
    fl_open_display();
    return RootWindow(fl_display, fl_screen);
}

// The 32-bit items of a property (at most maxItems): empty when the property is missing or of
// another type, nullopt when the window is gone.
std::optional<std::vector<unsigned long>> Read32(XWindowId w, Atom property, Atom type, long maxItems) {
    if (w == 0)
        return std::nullopt;
    XErrorTrap trap;
    Atom actual = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    const int status = XGetWindowProperty(fl_display, w, property, 0, maxItems, False, type, &actual, &format, &count,
                                          &remaining, &data);
    std::optional<std::vector<unsigned long>> items;
    if (status == Success && !trap.Caught()) {
        items.emplace();
        if (data && format == 32) {
            // Xlib hands 32-bit items over in longs, sign-extended on 64-bit machines.
            const long* values = reinterpret_cast<const long*>(data);
            for (unsigned long i = 0; i < count; ++i)
                items->push_back(static_cast<unsigned long>(values[i]) & 0xFFFFFFFFUL);
        }
    }
    if (data)
        XFree(data);
    return items;
}

bool Contains(const std::vector<unsigned long>& items, AtomIndex atom) {
    return std::find(items.begin(), items.end(), AtomOf(atom)) != items.end();
}

}  // namespace

XWindowId ReadActiveWindow() {
    const auto items = Read32(Root(), AtomOf(kActiveWindow), XA_WINDOW, 1);
    return items && !items->empty() ? items->front() : 0;
}

WmActions ReadAllowedActions(XWindowId w) {
    const auto items = Read32(w, AtomOf(kAllowedActions), XA_ATOM, 64);
    if (!items)
        return {};
    return {Contains(*items, kActionMinimize), Contains(*items, kActionMaximizeHorz),
            Contains(*items, kActionMaximizeVert), Contains(*items, kActionResize)};
}

WindowKind ReadWindowKind(XWindowId w) {
    const auto items = Read32(w, AtomOf(kWindowType), XA_ATOM, 16);
    if (!items)
        return WindowKind::Normal;
    // EWMH: a window without a type that is transient for another is a dialog.
    if (items->empty()) {
        XErrorTrap trap;
        Window owner = 0;
        const bool transient = XGetTransientForHint(fl_display, w, &owner) != 0 && !trap.Caught();
        return transient ? WindowKind::Dialog : WindowKind::Normal;
    }
    // The list is in order of preference, private types first: the first of the types we know decides.
    for (const unsigned long type : *items) {
        if (type == AtomOf(kTypeUtility) || type == AtomOf(kTypeToolbar))
            return WindowKind::Tool;
        if (type == AtomOf(kTypeDialog))
            return WindowKind::Dialog;
        if (type == AtomOf(kTypeNormal))
            return WindowKind::Normal;
    }
    return WindowKind::Normal;
}

std::optional<WmState> ReadWmState(XWindowId w) {
    const auto items = Read32(w, AtomOf(kState), XA_ATOM, 64);
    if (!items)
        return std::nullopt;
    return WmState{Contains(*items, kStateHidden), Contains(*items, kStateMaximizedVert),
                   Contains(*items, kStateMaximizedHorz)};
}

std::optional<FrameExtents> ReadExtents(XWindowId w) {
    const auto items = Read32(w, AtomOf(kFrameExtents), XA_CARDINAL, 4);
    if (!items || items->size() != 4)
        return std::nullopt;
    // Any client can set the property. A frame wider than the largest X window is no frame: such a
    // window is taken as unframed, and every later sum stays far inside int.
    const auto& v = *items;
    if (std::any_of(v.begin(), v.end(), [](unsigned long e) { return e > kMaxExtent; }))
        return std::nullopt;
    return FrameExtents{static_cast<int>(v[0]), static_cast<int>(v[1]), static_cast<int>(v[2]), static_cast<int>(v[3])};
}

std::optional<PixelRect> ReadOuterRect(XWindowId w) {
    if (w == 0)
        return std::nullopt;
    XErrorTrap trap;
    XWindowAttributes a{};
    if (!XGetWindowAttributes(fl_display, w, &a) || trap.Caught())
        return std::nullopt;
    int x = 0;
    int y = 0;
    Window child = 0;
    if (!XTranslateCoordinates(fl_display, w, a.root, 0, 0, &x, &y, &child) || trap.Caught())
        return std::nullopt;
    const FrameExtents e = ReadExtents(w).value_or(FrameExtents{});
    const int border = a.border_width;
    return PixelRect{x - border - e.left, y - border - e.top, x + a.width + border + e.right,
                     y + a.height + border + e.bottom};
}

namespace {

// The live manager's check window; 0 without one.
XWindowId CheckWindow() {
    const auto check = Read32(Root(), AtomOf(kSupportingWmCheck), XA_WINDOW, 1);
    if (!check || check->size() != 1)
        return 0;
    const auto self = Read32(check->front(), AtomOf(kSupportingWmCheck), XA_WINDOW, 1);
    return self && self->size() == 1 && self->front() == check->front() ? check->front() : 0;
}

}  // namespace

bool WmRunning() {
    return CheckWindow() != 0;
}

std::string ReadManagerName() {
    const XWindowId check = CheckWindow();
    if (check == 0)
        return {};
    XErrorTrap trap;
    Atom actual = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    std::string name;
    // Any text type will do (UTF8_STRING by the standard); a name is short.
    if (XGetWindowProperty(fl_display, check, AtomOf(kWmName), 0, 64, False, AnyPropertyType, &actual, &format, &count,
                           &remaining, &data) == Success &&
        !trap.Caught() && data && format == 8)
        name.assign(reinterpret_cast<const char*>(data), count);
    if (data)
        XFree(data);
    return name;
}

bool WmSupports(const char* atomName) {
    if (!WmRunning())
        return false;
    const auto supported = Read32(Root(), AtomOf(kSupported), XA_ATOM, 1024);
    const Atom wanted = XInternAtom(fl_display, atomName, False);
    return supported && std::find(supported->begin(), supported->end(), wanted) != supported->end();
}

PixelPoint ScreenSize() {
    fl_open_display();
    return {DisplayWidth(fl_display, fl_screen), DisplayHeight(fl_display, fl_screen)};
}

}  // namespace platform::x11
