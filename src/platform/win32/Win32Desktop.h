// The Win32 desktop port: other programs' windows through user32 and the desktop window manager,
// each fact read once a follow tick.
#pragma once

#include <windows.h>

#include <optional>

#include "platform/DesktopPort.h"

namespace platform::win32 {

class Win32Desktop final : public DesktopPort {
public:
    WindowHandle GetForegroundWindow() override;
    std::uint32_t GetWindowStyle(WindowHandle w) override;
    std::uint32_t GetWindowExStyle(WindowHandle w) override;
    PixelRect GetWindowRect(WindowHandle w) override;
    WindowPlacement GetWindowPlacement(WindowHandle w) override;
    int GetSystemMetric(Metric m, WindowHandle w) override;
    std::optional<PixelRect> FullScreenMonitor(WindowHandle w) override;
    void SetTitleButtonLayouts(std::vector<std::pair<std::string, std::string>> layouts) override;
    PixelRect GetMonitorRect(WindowHandle w) override;
    CaptionGeometry GetCaptionGeometry(WindowHandle w) override;
    PixelPoint GetCursorPos() override;
    // Within a round another program's window has its styles, rectangle and placement read once.
    void BeginWindowFacts() override;
    void EndWindowFacts() override;

private:
    // What the current round has read of one other program's window. Ours are asked every time:
    // the bar moves within the round.
    struct RoundFacts {
        HWND window = nullptr;
        std::optional<std::uint32_t> style;
        std::optional<std::uint32_t> exStyle;
        std::optional<PixelRect> rect;
        std::optional<WindowPlacement> placement;
    };
    // nullptr outside a round and for our own windows.
    RoundFacts* FactsOf(WindowHandle w);
    static WindowPlacement ReadPlacement(WindowHandle w);
    int factRounds_ = 0;
    RoundFacts round_;
};

}  // namespace platform::win32
