// What the values of other clients' EWMH properties mean, as pure functions over the 32-bit items a
// property holds: no X calls here (XProperties.cpp reads the items), so hostile values can be tested
// and fuzzed without a server.
#pragma once

#include <optional>
#include <vector>

#include "platform/Platform.h"
#include "platform/linux/wm/WindowManager.h"

namespace platform::x11 {

using XWindowId = unsigned long;

// The actions the manager allows on a window (_NET_WM_ALLOWED_ACTIONS).
struct WmActions {
    bool minimize = false;
    bool maximizeHorz = false;
    bool maximizeVert = false;
    bool resize = false;
};

// The states of _NET_WM_STATE that matter for placement.
struct WmState {
    bool hidden = false;
    bool maximizedVert = false;
    bool maximizedHorz = false;
    bool fullScreen = false;
};

enum class WindowKind { Normal, Tool, Dialog, Desktop };

// The atoms the meanings are told by, as the server numbered them.
struct KnownAtoms {
    unsigned long actionMinimize = 0, actionMaximizeHorz = 0, actionMaximizeVert = 0, actionResize = 0;
    unsigned long stateHidden = 0, stateMaximizedVert = 0, stateMaximizedHorz = 0, stateFullscreen = 0;
    unsigned long typeUtility = 0, typeToolbar = 0, typeDialog = 0, typeNormal = 0, typeDesktop = 0, typeDock = 0;
};

// X geometry is 16 bits wide; no frame extent can be larger.
inline constexpr unsigned long kMaxExtent = 32767;

// The items of a format-32 property as Xlib hands them over (longs, sign-extended on 64-bit
// machines), as the 32-bit values they are; none for another format or no data.
std::vector<unsigned long> Items32(int format, unsigned long count, const long* data);

WmActions ActionsFrom(const std::vector<unsigned long>& items, const KnownAtoms& atoms);
WmState StateFrom(const std::vector<unsigned long>& items, const KnownAtoms& atoms);
// The window's kind from its types, in order of preference (private types first: the first type we
// know decides); a window without a type is a dialog when it is transient for another. The desktop
// and docks (panels, task bars) are the desktop's own.
WindowKind KindFrom(const std::vector<unsigned long>& types, bool transient, const KnownAtoms& atoms);
// Left, right, top, bottom of _NET_FRAME_EXTENTS (or _GTK_FRAME_EXTENTS): nullopt unless there are
// exactly four, each inside 0..kMaxExtent (the property is anyone's to set).
std::optional<FrameExtents> ExtentsFrom(const std::vector<unsigned long>& items);

// The work area of desktop number `desktop` from _NET_WORKAREA (x, y, width, height per desktop); a
// desktop number past the list (anyone may set either) takes the first. nullopt for nonsense.
std::optional<PixelRect> WorkAreaFrom(const std::vector<unsigned long>& areas, unsigned long desktop);

// A window's border box grown by its frame extents (none when there are none): the frame's outer
// rectangle.
PixelRect OuterFromBox(const PixelRect& box, const std::optional<FrameExtents>& extents);

}  // namespace platform::x11
