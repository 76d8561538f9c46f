// Talking to the EWMH window manager about our windows (state, opacity, frame) through Xlib.
// X11 headers stay inside WindowManager.cpp: their macros (None, Status, ...) clash with ours.
#pragma once

#include <cstdint>
#include <optional>

class Fl_Window;

namespace platform::x11 {

struct FrameExtents {
    int left = 0;
    int right = 0;
    int top = 0;
    int bottom = 0;
};

struct ScreenPoint {
    int x = 0;
    int y = 0;
};

// The X window of a shown FLTK window; 0 while it is hidden.
unsigned long XidOf(Fl_Window& window);

// Opens the display FLTK uses; without one, says that an X11 display is needed and exits with 1.
void OpenDisplay();
void FlushDisplay();

// Shows an FLTK window with its window-manager properties already in place when the manager first
// sees it: no taskbar or pager entry, optionally above other windows, the given opacity, and for a
// decorated window the rule that its requested position is that of the outer frame (NorthWest
// gravity). The server is grabbed meanwhile so the manager cannot read a half-set window.
struct MapOptions {
    bool skipTaskbar = true;
    bool above = false;
    std::optional<std::uint8_t> alpha;
    bool frameAtPosition = false;
    bool dialogType = false;  // _NET_WM_WINDOW_TYPE_DIALOG
};
void ShowWithWmState(Fl_Window& window, const MapOptions& options);

// Moves a mapped window into the topmost band (_NET_WM_STATE_ABOVE) and raises it there.
void RequestAbove(Fl_Window& window);

// Asks the manager to move a mapped window; a decorated one shown by ShowWithWmState moves its frame
// corner to (x, y).
void RequestMove(Fl_Window& window, int x, int y);

// Raises a shown window and gives it the keyboard focus: through the manager (_NET_ACTIVE_WINDOW) when
// viaManager, else directly.
void RequestActivation(Fl_Window& window, bool viaManager);

// Gives a shown window the keyboard focus directly (on a click into a window no manager handles).
void TakeInputFocus(Fl_Window& window);
// The X window that has the keyboard focus; 0 for none (or PointerRoot).
unsigned long InputFocusXid();

// Keeps a shown override-redirect window above every other top-level window: raised now, and again
// whenever another program's window is mapped or restacked. keep = false forgets the window.
void KeepAbove(Fl_Window& window, bool keep);

// Hands a move of the window to the manager (_NET_WM_MOVERESIZE): the manager grabs the pointer and
// moves the frame until button 1 goes up. The pointer is at (rootX, rootY) with button 1 held.
void RequestMoveDrag(Fl_Window& window, int rootX, int rootY);

// _NET_WM_WINDOW_OPACITY = alpha * 0x01010101 on a mapped window.
void SetOpacity(Fl_Window& window, std::uint8_t alpha);

// The frame a managed window has, from _NET_FRAME_EXTENTS; nullopt before the manager set it.
std::optional<FrameExtents> ReadFrameExtents(Fl_Window& window);

// Where the window's client area really is on the screen (asks the server).
ScreenPoint ClientOrigin(Fl_Window& window);

// The frame the manager would give a decorated window, asked with _NET_REQUEST_FRAME_EXTENTS on a
// throwaway window; waits at most timeoutMs. Zeros when there is no manager or no answer.
FrameExtents ProbeDecoratedExtents(int timeoutMs);

// The frame of our fixed-size decorated windows: the last one seen on a managed window, else probed
// once (200 ms at most).
const FrameExtents& DecoratedExtents();
void NoteDecoratedExtents(const FrameExtents& extents);

}  // namespace platform::x11
