// One InternAtoms round trip for every atom of the backend, once for the process (FLTK keeps one
// display connection).
#include "platform/linux/x11/XAtoms.h"

#include <FL/x.H>

#include <array>

namespace platform::x11 {

namespace {

constexpr std::size_t kCount = static_cast<std::size_t>(XAtom::Count);

// In the order of XAtom.
constexpr std::array<const char*, kCount> kNames = {"_NET_ACTIVE_WINDOW",
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
                                                    "_NET_WM_WINDOW_TYPE_DESKTOP",
                                                    "_NET_WM_WINDOW_TYPE_DOCK",
                                                    "_NET_WM_STATE",
                                                    "_NET_WM_STATE_HIDDEN",
                                                    "_NET_WM_STATE_MAXIMIZED_VERT",
                                                    "_NET_WM_STATE_MAXIMIZED_HORZ",
                                                    "_NET_WM_STATE_FULLSCREEN",
                                                    "_NET_WM_STATE_SKIP_TASKBAR",
                                                    "_NET_WM_STATE_SKIP_PAGER",
                                                    "_NET_WM_STATE_ABOVE",
                                                    "_NET_FRAME_EXTENTS",
                                                    "_NET_REQUEST_FRAME_EXTENTS",
                                                    "_NET_SUPPORTED",
                                                    "_NET_SUPPORTING_WM_CHECK",
                                                    "_NET_WM_NAME",
                                                    "_NET_WM_WINDOW_OPACITY",
                                                    "_NET_WM_MOVERESIZE",
                                                    "_MOTIF_WM_HINTS",
                                                    "_GTK_FRAME_EXTENTS",
                                                    "_NET_WORKAREA",
                                                    "_NET_CURRENT_DESKTOP"};

}  // namespace

unsigned long AtomOf(XAtom atom) {
    fl_open_display();
    static const std::array<Atom, kCount> atoms = [] {
        std::array<Atom, kCount> result{};
        XInternAtoms(fl_display, const_cast<char**>(kNames.data()), static_cast<int>(kCount), False, result.data());
        return result;
    }();
    return atoms[static_cast<std::size_t>(atom)];
}

}  // namespace platform::x11
