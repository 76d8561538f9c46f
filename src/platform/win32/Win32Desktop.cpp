// The Win32 desktop port: what the bar reads of other programs' windows (the foreground window, its
// styles, placement and where its caption is), the monitors and the pointer.
#include <utility>

// The Windows headers first: they rename DrawText, which Types.h declares.
#include "platform/win32/Compositor.h"
#include "platform/win32/DpiScaling.h"
#include "platform/win32/FormWindow.h"
#include "platform/win32/SystemReadings.h"
#include "platform/win32/Win32Desktop.h"

#include "platform/CaptionReckoning.h"

namespace platform::win32 {

namespace {
HWND HwndOf(WindowHandle w) {
    return reinterpret_cast<HWND>(w);
}
}  // namespace

WindowHandle Win32Desktop::GetForegroundWindow() {
    return reinterpret_cast<WindowHandle>(::GetForegroundWindow());
}

PixelPoint Win32Desktop::GetCursorPos() {
    return QueryCursorPos();
}

// Ours are read as they are; another program's window once a round.
PixelRect Win32Desktop::GetWindowRect(WindowHandle w) {
    RoundFacts* facts = FactsOf(w);
    if (facts && facts->rect)
        return *facts->rect;
    RECT rc{};
    ::GetWindowRect(HwndOf(w), &rc);
    const PixelRect rect{rc.left, rc.top, rc.right, rc.bottom};
    if (facts)
        facts->rect = rect;
    return rect;
}

// --- follow tick: window facts read once a tick ---

void Win32Desktop::BeginWindowFacts() {
    ++factRounds_;
}

void Win32Desktop::EndWindowFacts() {
    if (factRounds_ > 0 && --factRounds_ == 0)
        round_ = RoundFacts{};
}

Win32Desktop::RoundFacts* Win32Desktop::FactsOf(WindowHandle w) {
    HWND hwnd = HwndOf(w);
    if (factRounds_ == 0 || !hwnd || FormWindow::FromHandle(hwnd))
        return nullptr;
    if (round_.window != hwnd) {
        round_ = RoundFacts{};
        round_.window = hwnd;
    }
    return &round_;
}

namespace {
// GetWindowLong, not GetWindowLongPtr: the style fits in 32 bits on both pointer widths.
std::uint32_t StyleBits(WindowHandle w, int which) {
    return w == 0 ? 0 : static_cast<std::uint32_t>(::GetWindowLongW(HwndOf(w), which));
}
}  // namespace

std::uint32_t Win32Desktop::GetWindowStyle(WindowHandle w) {
    RoundFacts* facts = FactsOf(w);
    if (!facts)
        return StyleBits(w, GWL_STYLE);
    if (!facts->style)
        facts->style = StyleBits(w, GWL_STYLE);
    return *facts->style;
}

std::uint32_t Win32Desktop::GetWindowExStyle(WindowHandle w) {
    RoundFacts* facts = FactsOf(w);
    if (!facts)
        return StyleBits(w, GWL_EXSTYLE);
    if (!facts->exStyle)
        facts->exStyle = StyleBits(w, GWL_EXSTYLE);
    return *facts->exStyle;
}

WindowPlacement Win32Desktop::GetWindowPlacement(WindowHandle w) {
    RoundFacts* facts = FactsOf(w);
    if (facts && facts->placement)
        return *facts->placement;
    const WindowPlacement placement = ReadPlacement(w);
    if (facts)
        facts->placement = placement;
    return placement;
}

WindowPlacement Win32Desktop::ReadPlacement(WindowHandle w) {
    WINDOWPLACEMENT wp{};
    wp.length = sizeof wp;  // 44 bytes on both pointer widths
    WindowPlacement result;
    if (!::GetWindowPlacement(HwndOf(w), &wp))
        return result;
    result.showCmd = static_cast<std::int32_t>(wp.showCmd);
    const RECT& r = wp.rcNormalPosition;
    result.normalPosition = PixelRect{r.left, r.top, r.right, r.bottom};
    return result;
}

// A window on a monitor of another scale has its frame and caption at that monitor's DPI.
int Win32Desktop::GetSystemMetric(Metric m, WindowHandle w) {
    const int dpi = w != 0 ? DpiOfWindow(reinterpret_cast<HWND>(w)) : 0;
    return SystemMetricAt(static_cast<int>(m), dpi);
}

// --- monitors and title bars ---

namespace {
// The monitor holding the window (the primary one for none), whole and less the taskbar.
std::pair<PixelRect, PixelRect> MonitorAndWorkArea(WindowHandle w) {
    // The primary monitor is the one holding the screen's origin.
    HMONITOR monitor = w != 0 ? ::MonitorFromWindow(HwndOf(w), MONITOR_DEFAULTTONEAREST)
                              : ::MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!monitor || !::GetMonitorInfoW(monitor, &info)) {
        const PixelRect screen{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
        return {screen, screen};
    }
    const RECT& r = info.rcMonitor;
    const RECT& a = info.rcWork;
    return {PixelRect{r.left, r.top, r.right, r.bottom}, PixelRect{a.left, a.top, a.right, a.bottom}};
}
}  // namespace

PixelRect Win32Desktop::GetMonitorRect(WindowHandle w) {
    return MonitorAndWorkArea(w).first;
}

// Where the desktop window manager draws the window (Vista and later with composition on), its
// visible frame and caption buttons. Elsewhere, or where its answers cannot be used, the classic
// metrics of the window's styles, with the caption buttons as wide as the caption is high.
CaptionGeometry Win32Desktop::GetCaptionGeometry(WindowHandle w) {
    const auto [monitor, workArea] = MonitorAndWorkArea(w);
    ReckoningInput in;
    in.monitor = monitor;
    in.workArea = workArea;
    if (w == 0 || FormWindow::FromHandle(HwndOf(w))) {
        in.outer = w == 0 ? PixelRect{} : GetWindowRect(w);
        return ReckonCaption(in, [](Metric) { return 0; });
    }
    in.placement = GetWindowPlacement(w);
    const bool riding = in.placement.showCmd == kShowNormal || in.placement.showCmd == kShowMaximized;
    if (std::optional<CaptionGeometry> composed = riding ? ComposedCaption(AskCompositor(HwndOf(w))) : std::nullopt) {
        composed->monitor = monitor;
        composed->workArea = workArea;
        return *composed;
    }
    in.style = GetWindowStyle(w);
    in.exStyle = GetWindowExStyle(w);
    in.outer = GetWindowRect(w);
    return ReckonCaption(in, [&](Metric m) { return GetSystemMetric(m, w); });
}

// The caption buttons' reach comes from the desktop window manager or the system metrics.
void Win32Desktop::SetTitleButtonLayouts(std::vector<std::pair<std::string, std::string>>) {}

}  // namespace platform::win32
