// Our own windows: making, showing, placing and shaping them, what they draw with, and the modal
// loops (message box, window drag, popup menu) they run.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Types.h"

namespace platform {

class WindowPort {
public:
    virtual ~WindowPort() = default;

    // Creates a hidden top-level window. It has no taskbar button.
    virtual WindowHandle CreateFormWindow(const WindowSpec& layout, WindowListener& listener) = 0;
    virtual void DestroyWindow(WindowHandle w) = 0;
    virtual void SetVisible(WindowHandle w, bool visible) = 0;
    virtual bool IsVisible(WindowHandle w) = 0;
    // Moves the outer top-left corner to (left, top) screen pixels.
    virtual void MoveWindow(WindowHandle w, int left, int top) = 0;
    // Outer size in pixels; the top-left corner stays.
    virtual void ResizeWindow(WindowHandle w, int width, int height) = 0;
    // Gives the window a client area of this many pixels, its outer top-left corner staying put.
    virtual void ResizeClient(WindowHandle w, int clientWidth, int clientHeight) = 0;
    virtual void Invalidate(WindowHandle w, const PixelRect& r) = 0;
    // Top of the topmost band, without moving or sizing.
    virtual void SetTopMost(WindowHandle w) = 0;
    // Makes the window layered with the given alpha (255 is opaque).
    virtual void SetTranslucency(WindowHandle w, std::uint8_t alpha) = 0;
    // Clips the window to rectangle r (window pixels) with corners cut as ellipses of the given
    // size. Where the display cannot shape windows it stays rectangular.
    virtual void SetRoundedRegion(WindowHandle w, const PixelRect& r, int ellipseWidth, int ellipseHeight) = 0;
    // Shows the window and makes it the active window with the keyboard focus.
    virtual void Activate(WindowHandle w) = 0;
    // From now on the window never takes the keyboard focus: showing it, raising it and clicking it
    // leave the focus with the window that has it.
    virtual void SetNoActivate(WindowHandle w) = 0;
    // One tooltip region per (window, id); empty text removes it.
    virtual void SetToolTip(WindowHandle w, int id, const PixelRect& r, std::string_view text) = 0;
    // The pointer takes this shape over r in the window's client area, one area per (window, id);
    // Arrow removes the area.
    virtual void SetCursorArea(WindowHandle w, int id, const PixelRect& r, PointerShape shape) = 0;
    virtual Color SystemColorValue(SystemColor c) = 0;
    // Dots per inch of the display the program's windows are laid out and drawn for, 96 at the
    // normal size; always positive. Fonts in points are drawn at this resolution. When it changes
    // (a window was moved onto a monitor of another scale), every form window hears OnDpiChanged.
    virtual int ScreenDpi() = 0;

    // --- modal loops: timers keep ticking in each ---
    // A message box with one OK button; returns when it is dismissed.
    virtual void ShowMessageBox(std::string_view text, std::string_view caption, MessageIcon icon) = 0;
    virtual void ReleaseCapture() = 0;
    // Lets the user move the window with the mouse as if its caption had been pressed; returns once
    // the button is released.
    virtual void DragMove(WindowHandle w) = 0;
    // A popup menu of these captions ("-" is a separator, "&" marks the access key) with its top
    // edge at `at`, centred on it horizontally, owned by `owner`. Returns the index of the chosen
    // caption, or -1 when the menu was dismissed.
    virtual int TrackPopupMenu(WindowHandle owner, const std::vector<std::string>& captions, PixelPoint at) = 0;
};

}  // namespace platform
