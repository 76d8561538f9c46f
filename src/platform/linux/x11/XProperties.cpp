// EWMH property reads through FLTK's display connection, each under an XErrorTrap: the window may be
// destroyed by its program at any moment between our calls.
#include "platform/linux/x11/XProperties.h"

#include <FL/x.H>
#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <array>
#include <vector>

#include "platform/linux/x11/XAtoms.h"
#include "platform/linux/x11/XErrorTrap.h"

namespace platform::x11 {

namespace {

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
    if (status == Success && !trap.Caught())
        items = Items32(format, count, reinterpret_cast<const long*>(data));
    if (data)
        XFree(data);
    return items;
}

KnownAtoms Known() {
    return KnownAtoms{AtomOf(XAtom::ActionMinimize),     AtomOf(XAtom::ActionMaximizeHorz),
                      AtomOf(XAtom::ActionMaximizeVert), AtomOf(XAtom::ActionResize),
                      AtomOf(XAtom::StateHidden),        AtomOf(XAtom::StateMaximizedVert),
                      AtomOf(XAtom::StateMaximizedHorz), AtomOf(XAtom::StateFullscreen),
                      AtomOf(XAtom::TypeUtility),        AtomOf(XAtom::TypeToolbar),
                      AtomOf(XAtom::TypeDialog),         AtomOf(XAtom::TypeNormal),
                      AtomOf(XAtom::TypeDesktop),        AtomOf(XAtom::TypeDock)};
}

}  // namespace

XWindowId ReadActiveWindow() {
    const auto items = Read32(Root(), AtomOf(XAtom::ActiveWindow), XA_WINDOW, 1);
    return items && !items->empty() ? items->front() : 0;
}

WmActions ReadAllowedActions(XWindowId w) {
    const auto items = Read32(w, AtomOf(XAtom::AllowedActions), XA_ATOM, 64);
    return items ? ActionsFrom(*items, Known()) : WmActions{};
}

WindowKind ReadWindowKind(XWindowId w) {
    if (w == Root())
        return WindowKind::Desktop;
    const auto items = Read32(w, AtomOf(XAtom::WindowType), XA_ATOM, 16);
    if (!items)
        return WindowKind::Normal;
    bool transient = false;
    if (items->empty()) {
        XErrorTrap trap;
        Window owner = 0;
        transient = XGetTransientForHint(fl_display, w, &owner) != 0 && !trap.Caught();
    }
    return KindFrom(*items, transient, Known());
}

std::optional<WmState> ReadWmState(XWindowId w) {
    const auto items = Read32(w, AtomOf(XAtom::State), XA_ATOM, 64);
    if (!items)
        return std::nullopt;
    return StateFrom(*items, Known());
}

namespace {
std::optional<FrameExtents> ReadFourExtents(XWindowId w, XAtom property) {
    const auto items = Read32(w, AtomOf(property), XA_CARDINAL, 4);
    return items ? ExtentsFrom(*items) : std::nullopt;
}
}  // namespace

std::optional<FrameExtents> ReadExtents(XWindowId w) {
    return ReadFourExtents(w, XAtom::FrameExtents);
}

std::optional<FrameExtents> ReadGtkExtents(XWindowId w) {
    return ReadFourExtents(w, XAtom::GtkFrameExtents);
}

std::optional<PixelRect> ReadWorkArea() {
    const auto desktop = Read32(Root(), AtomOf(XAtom::CurrentDesktop), XA_CARDINAL, 1);
    const unsigned long index = desktop && desktop->size() == 1 ? desktop->front() : 0;
    const auto areas = Read32(Root(), AtomOf(XAtom::WorkArea), XA_CARDINAL, 4 * 64);
    return areas ? WorkAreaFrom(*areas, index) : std::nullopt;
}

std::optional<PixelRect> ReadBorderBox(XWindowId w) {
    if (w == 0)
        return std::nullopt;
    XErrorTrap trap;
    Window root = 0;
    int ignoredX = 0;
    int ignoredY = 0;
    unsigned width = 0;
    unsigned height = 0;
    unsigned border = 0;
    unsigned depth = 0;
    if (!XGetGeometry(fl_display, w, &root, &ignoredX, &ignoredY, &width, &height, &border, &depth) || trap.Caught())
        return std::nullopt;
    int x = 0;
    int y = 0;
    Window child = 0;
    if (!XTranslateCoordinates(fl_display, w, root, 0, 0, &x, &y, &child) || trap.Caught())
        return std::nullopt;
    const int b = static_cast<int>(border);
    return PixelRect{x - b, y - b, x + static_cast<int>(width) + b, y + static_cast<int>(height) + b};
}

std::optional<PixelRect> ReadOuterRect(XWindowId w) {
    const std::optional<PixelRect> box = ReadBorderBox(w);
    if (!box)
        return std::nullopt;
    return OuterFromBox(*box, ReadExtents(w));
}

XWindowId ReadCheckWindow() {
    const auto check = Read32(Root(), AtomOf(XAtom::SupportingWmCheck), XA_WINDOW, 1);
    if (!check || check->size() != 1)
        return 0;
    const auto self = Read32(check->front(), AtomOf(XAtom::SupportingWmCheck), XA_WINDOW, 1);
    return self && self->size() == 1 && self->front() == check->front() ? check->front() : 0;
}

bool WmRunning() {
    return ReadCheckWindow() != 0;
}

std::string ReadWindowName(XWindowId w) {
    if (w == 0)
        return {};
    XErrorTrap trap;
    Atom actual = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    std::string name;
    // Any text type will do (UTF8_STRING by the standard); a name is short.
    if (XGetWindowProperty(fl_display, w, AtomOf(XAtom::WmName), 0, 64, False, AnyPropertyType, &actual, &format,
                           &count, &remaining, &data) == Success &&
        !trap.Caught() && data && format == 8)
        name.assign(reinterpret_cast<const char*>(data), count);
    if (data)
        XFree(data);
    return name;
}

std::string ReadManagerName() {
    return ReadWindowName(ReadCheckWindow());
}

bool WmSupports(XAtom atom) {
    if (!WmRunning())
        return false;
    const auto supported = Read32(Root(), AtomOf(XAtom::Supported), XA_ATOM, 1024);
    return supported && std::find(supported->begin(), supported->end(), AtomOf(atom)) != supported->end();
}

PixelPoint ScreenSize() {
    fl_open_display();
    return {DisplayWidth(fl_display, fl_screen), DisplayHeight(fl_display, fl_screen)};
}

}  // namespace platform::x11
