// The Linux window port: our windows are FLTK windows, found by handle in the shared state.
#pragma once

#include "platform/WindowPort.h"
#include "platform/linux/x11/BackendState.h"

namespace platform::x11 {

class LinuxWindows final : public WindowPort {
public:
    explicit LinuxWindows(BackendState& state);

    WindowHandle CreateFormWindow(const WindowSpec& layout, WindowListener& listener) override;
    void DestroyWindow(WindowHandle w) override;
    // A window the manager has iconified still counts as visible, as on Windows.
    void SetVisible(WindowHandle w, bool visible) override;
    bool IsVisible(WindowHandle w) override;
    void MoveWindow(WindowHandle w, int left, int top) override;
    void ResizeWindow(WindowHandle w, int width, int height) override;
    void ResizeClient(WindowHandle w, int clientWidth, int clientHeight) override;
    void Invalidate(WindowHandle w, const PixelRect& r) override;
    void SetTopMost(WindowHandle w) override;
    void SetTranslucency(WindowHandle w, std::uint8_t alpha) override;
    void SetRoundedRegion(WindowHandle w, const PixelRect& r, int ellipseWidth, int ellipseHeight) override;
    void Activate(WindowHandle w) override;
    void SetNoActivate(WindowHandle w) override;
    void SetToolTip(WindowHandle w, int id, const PixelRect& r, std::string_view text) override;
    void SetCursorArea(WindowHandle w, int id, const PixelRect& r, PointerShape shape) override;
    Color SystemColorValue(SystemColor c) override;
    int ScreenDpi() override;
    void ShowMessageBox(std::string_view text, std::string_view caption, MessageIcon icon) override;
    void ReleaseCapture() override;
    // The manager moves the windows it manages; the borderless ones move themselves under a grab.
    void DragMove(WindowHandle w) override;
    int TrackPopupMenu(WindowHandle owner, const std::vector<std::string>& captions, PixelPoint at) override;

private:
    BackendState& state_;
};

}  // namespace platform::x11
