// What any X window (ours or another program's) tells through its EWMH properties and geometry.
// A window that has gone away reads as "nothing"; X11 headers stay in XProperties.cpp.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "platform/linux/wm/PropertyValues.h"
#include "platform/linux/wm/WindowManager.h"
#include "platform/linux/x11/XAtoms.h"

namespace platform::x11 {

// The root's _NET_ACTIVE_WINDOW; 0 when there is none.
XWindowId ReadActiveWindow();

// All false when the window is gone or has no such property.
WmActions ReadAllowedActions(XWindowId w);

// What a window's type (_NET_WM_WINDOW_TYPE) makes of it: utility and toolbar windows are tool
// windows, dialogs are dialogs, and so is a window without a type that is transient for another
// (WM_TRANSIENT_FOR); the root, the desktop and docks (panels, task bars) are the desktop's own;
// anything else an ordinary window.
WindowKind ReadWindowKind(XWindowId w);

// nullopt when the window is gone; a window without the property has no states.
std::optional<WmState> ReadWmState(XWindowId w);

// nullopt when the window is gone, the manager has not set _NET_FRAME_EXTENTS, or an extent is
// outside 0..kMaxExtent (the property is anyone's to set).
std::optional<FrameExtents> ReadExtents(XWindowId w);

// _GTK_FRAME_EXTENTS: the shadow and resize margin a window that draws its own frame puts around
// what it shows, by the same rules.
std::optional<FrameExtents> ReadGtkExtents(XWindowId w);

// The root's _NET_WORKAREA for the current desktop (_NET_CURRENT_DESKTOP, the first one without it):
// the desktop less the panels docked on it. nullopt when the manager publishes none, or nonsense.
std::optional<PixelRect> ReadWorkArea();

// The window's client area with its X border, in root coordinates; nullopt when the window is gone.
std::optional<PixelRect> ReadBorderBox(XWindowId w);
// Both in one: the outer rectangle of the window's frame in root coordinates; nullopt when it is gone.
std::optional<PixelRect> ReadOuterRect(XWindowId w);

// The live manager's check window (_NET_SUPPORTING_WM_CHECK of the root, naming itself); 0 without
// one. A manager that died leaves its root properties behind, but only a live one's window names itself.
XWindowId ReadCheckWindow();
// True when an EWMH manager runs.
bool WmRunning();

// True when a live EWMH manager lists this atom (e.g. _NET_WM_MOVERESIZE) in _NET_SUPPORTED.
bool WmSupports(XAtom atom);

// The X screen's size in pixels.
PixelPoint ScreenSize();

// The monitors of the screen, the primary one first; empty when the server tells of none.
std::vector<PixelRect> ReadMonitors();

// The live manager's name (_NET_WM_NAME of its check window); empty without one.
std::string ReadManagerName();
// _NET_WM_NAME of a window as bytes; empty when it has none or is gone.
std::string ReadWindowName(XWindowId w);

}  // namespace platform::x11
