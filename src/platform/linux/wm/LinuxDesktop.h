// The Linux desktop port: other programs' windows through EWMH, kept between follow ticks by the
// window facts; our own windows answer too.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/DesktopPort.h"
#include "platform/linux/wm/TitleButtons.h"
#include "platform/linux/x11/BackendState.h"

namespace platform::x11 {

class LinuxDesktop final : public DesktopPort {
public:
    explicit LinuxDesktop(BackendState& state) : state_(state) {}

    WindowHandle GetForegroundWindow() override;
    std::uint32_t GetWindowStyle(WindowHandle w) override;
    std::uint32_t GetWindowExStyle(WindowHandle w) override;
    PixelRect GetWindowRect(WindowHandle w) override;
    WindowPlacement GetWindowPlacement(WindowHandle w) override;
    int GetSystemMetric(Metric m, WindowHandle w) override;
    std::optional<PixelRect> FullScreenMonitor(WindowHandle w) override;
    // Looked up by the running manager's name before the table of TitleButtons.
    void SetTitleButtonLayouts(std::vector<std::pair<std::string, std::string>> layouts) override;
    PixelRect GetMonitorRect(WindowHandle w) override;
    // From the frame the manager drew (_NET_FRAME_EXTENTS), or the window's own header bar.
    CaptionGeometry GetCaptionGeometry(WindowHandle w) override;
    PixelPoint GetCursorPos() override;
    void BeginWindowFacts() override;
    void EndWindowFacts() override;

private:
    // GetForegroundWindow's answer, before it drops the watch of a window no longer followed.
    WindowHandle ForegroundWindow();
    // The running manager's title-bar buttons: the user's setting or the table.
    std::optional<TitleButtons> ManagerButtons();

    BackendState& state_;
    // The [TitleButtons] section as the settings store read it.
    std::vector<std::pair<std::string, std::string>> titleButtonLayouts_;
    // The title-bar buttons of the manager last seen running (its name, and whether it was looked up).
    std::string managerName_;
    bool managerLooked_ = false;
    std::optional<TitleButtons> managerButtons_;
};

}  // namespace platform::x11
