// The Win32 window port: form windows owned by one hidden top-level window, drawn with the shared
// font cache.
#pragma once

#include <windows.h>

#include "platform/WindowPort.h"
#include "platform/win32/GdiCanvas.h"

namespace platform::win32 {

class Win32Windows final : public WindowPort {
public:
    // Declares the process DPI-aware and makes the owner window, whose monitor gives the first DPI.
    explicit Win32Windows(FontCache& fonts);
    // Destroying the owner destroys every form window still open.
    ~Win32Windows() override;
    Win32Windows(const Win32Windows&) = delete;
    Win32Windows& operator=(const Win32Windows&) = delete;

    // Owned by one hidden top-level window: no taskbar button, and no WS_EX_TOOLWINDOW either,
    // since translucency replaces the whole extended style.
    WindowHandle CreateFormWindow(const WindowSpec& desc, WindowListener& listener) override;
    void DestroyWindow(WindowHandle w) override;
    // A Dialog-frame window is activated when shown, as a window the user opened to work in; the
    // others (bar, calendar, popup) show without taking the focus from the user's window.
    void SetVisible(WindowHandle w, bool visible) override;
    bool IsVisible(WindowHandle w) override;
    void MoveWindow(WindowHandle w, int left, int top) override;
    void ResizeWindow(WindowHandle w, int width, int height) override;
    void ResizeClient(WindowHandle w, int clientWidth, int clientHeight) override;
    void Invalidate(WindowHandle w, const PixelRect& r) override;
    void SetTopMost(WindowHandle w) override;
    // The extended style becomes exactly WS_EX_LAYERED (the old one is replaced, not added to).
    void SetTranslucency(WindowHandle w, std::uint8_t alpha) override;
    // CreateRoundRectRgn given to the window with SetWindowRgn, which owns it from then on.
    void SetRoundedRegion(WindowHandle w, const PixelRect& r, int ellipseWidth, int ellipseHeight) override;
    void Activate(WindowHandle w) override;
    void SetNoActivate(WindowHandle w) override;
    void SetToolTip(WindowHandle w, int id, const PixelRect& r, std::string_view text) override;
    void SetCursorArea(WindowHandle w, int id, const PixelRect& r, PointerShape shape) override;
    Color SystemColorValue(SystemColor c) override;
    // The primary monitor's DPI at start; then that of the monitor a form window was last moved onto.
    int ScreenDpi() override;
    // Owned by the active form window when there is one, so that window waits for the answer.
    void ShowMessageBox(std::string_view text, std::string_view caption, MessageIcon icon) override;
    void ReleaseCapture() override;
    void DragMove(WindowHandle w) override;
    int TrackPopupMenu(WindowHandle owner, const std::vector<std::string>& captions, PixelPoint at) override;

private:
    FontCache& fonts_;
    HWND owner_ = nullptr;
};

}  // namespace platform::win32
