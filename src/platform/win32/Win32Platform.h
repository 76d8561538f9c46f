// The Win32 backend of platform::Platform: a thin glue over the form windows, the message loop and
// the process services of this folder.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <unordered_map>

#include "platform/Platform.h"
#include "platform/win32/GdiCanvas.h"
#include "platform/win32/MessageLoop.h"
#include "platform/win32/NativeControls.h"

namespace platform::win32 {

class Win32Platform final : public Platform {
public:
    Win32Platform();
    ~Win32Platform() override;
    Win32Platform(const Win32Platform&) = delete;
    Win32Platform& operator=(const Win32Platform&) = delete;

    // Owned by one hidden top-level window: no taskbar button, and no WS_EX_TOOLWINDOW either,
    // since translucency replaces the whole extended style.
    WindowHandle CreateFormWindow(const WindowSpec& desc, WindowListener& listener) override;
    void DestroyWindow(WindowHandle w) override;
    // A Dialog-frame window is activated when shown, as a window the user opened to work in; the
    // others (bar, calendar, popup) show without taking the focus from the user's window.
    void SetVisible(WindowHandle w, bool visible) override;
    bool IsVisible(WindowHandle w) override;
    PixelRect GetWindowRect(WindowHandle w) override;
    void MoveWindow(WindowHandle w, int left, int top) override;
    void Invalidate(WindowHandle w, const PixelRect& r) override;
    void SetTopMost(WindowHandle w) override;
    // The extended style becomes exactly WS_EX_LAYERED (the old one is replaced, not added to).
    void SetTranslucency(WindowHandle w, std::uint8_t alpha) override;
    void SetToolTip(WindowHandle w, int id, const PixelRect& r, std::string_view text) override;
    Color SystemColorValue(SystemColor c) override;
    void Activate(WindowHandle w) override;
    ControlHandle CreateControl(WindowHandle form, const ControlSpec& layout, ControlListener& listener) override;
    void DestroyControl(ControlHandle c) override;
    void MoveControl(ControlHandle c, const PixelRect& bounds) override;
    void ShowControl(ControlHandle c, bool visible) override;
    void EnableControl(ControlHandle c, bool enabled) override;
    void SetControlFont(ControlHandle c, const Font& font) override;
    void SetControlText(ControlHandle c, std::string_view text) override;
    std::string GetControlText(ControlHandle c) override;
    void SetControlValue(ControlHandle c, int value) override;
    int GetControlValue(ControlHandle c) override;
    void InsertControlItem(ControlHandle c, int index, std::string_view text) override;
    void RemoveControlItem(ControlHandle c, int index) override;
    // The z-order of the children is the order Tab follows.
    void SetTabOrder(WindowHandle form, const std::vector<ControlHandle>& order) override;
    void FocusControl(ControlHandle c) override;
    void AddBalloonTip(WindowHandle form, ControlHandle c, const BalloonTip& tip) override;
    WindowHandle GetForegroundWindow() override;
    std::uint32_t GetWindowStyle(WindowHandle w) override;
    std::uint32_t GetWindowExStyle(WindowHandle w) override;
    WindowPlacement GetWindowPlacement(WindowHandle w) override;
    int GetSystemMetric(Metric m, WindowHandle w) override;
    std::optional<PixelRect> FullScreenMonitor(WindowHandle w) override;
    void SetTitleButtonLayouts(std::vector<std::pair<std::string, std::string>> layouts) override;
    void ReleaseCapture() override;
    void DragMove(WindowHandle w) override;
    int TrackPopupMenu(WindowHandle owner, const std::vector<std::string>& captions, PixelPoint at) override;

    TimerId StartTimer(std::uint32_t intervalMs, std::function<void()> tick) override;
    void StopTimer(TimerId id) override;
    void Post(std::function<void()> task) override;
    void RunLoop() override;
    void QuitLoop() override;
    [[noreturn]] void ExitProcess(int code) override;

    // Owned by the active form window when there is one, so that window waits for the answer.
    void ShowMessageBox(std::string_view text, std::string_view caption, MessageIcon icon) override;

    bool AcquireSingleInstance(std::string_view name) override;
    // The executable's folder, then "\", then fileName.
    std::string SettingsFilePath(std::string_view fileName) override;
    OsVersion GetOsVersion() override;

    std::optional<CpuTimes> QueryCpuTimes() override;
    MemoryStatus QueryMemoryStatus() override;
    DriveSpace QueryDriveSpace(std::string_view element) override;
    PowerStatus QueryPowerStatus() override;
    void SetDriveMap(std::vector<std::pair<std::string, std::string>> folders) override;
    PixelPoint GetCursorPos() override;
    LocalTime Now() override;
    std::string FormatTime(const LocalTime& t) override;
    std::string FormatShortDate(const LocalTime& t) override;

    // --- monitors and title-bar buttons ---
    PixelRect GetMonitorRect(WindowHandle w) override;
    CaptionGeometry GetCaptionGeometry(WindowHandle w) override;
    // --- about dialog ---
    // The registry's record of the tool under HKEY_LOCAL_MACHINE.
    std::optional<std::string> FindSystemInfoTool() override;
    bool StartProgram(std::string_view path) override;
    std::string ReadmePath() override;
    // "explorer" and the address, minimised with the focus.
    void OpenAddress(std::string_view address) override;
    void SetCursorArea(WindowHandle w, int id, const PixelRect& r, PointerShape shape) override;
    // --- system information and the popup ---
    std::string QueryComputerName() override;
    std::string QueryUserName() override;
    VersionRecord QueryVersionRecord() override;
    std::string QuerySystemDescription() override;
    AdapterQuery QueryAdapters() override;
    std::string Utf8FromSystemCodePage(std::string_view bytes) override;
    std::optional<std::string> ReadRegistryString(std::string_view key, std::string_view value) override;
    std::optional<std::uint32_t> ReadRegistryDword(std::string_view key, std::string_view value) override;
    void ResizeWindow(WindowHandle w, int width, int height) override;
    // CreateRoundRectRgn given to the window with SetWindowRgn, which owns it from then on.
    void SetRoundedRegion(WindowHandle w, const PixelRect& r, int ellipseWidth, int ellipseHeight) override;
    void SetNoActivate(WindowHandle w) override;
    // --- display scaling ---
    // The primary monitor's DPI at start; then that of the monitor a form window was last moved onto.
    int ScreenDpi() override;
    void ResizeClient(WindowHandle w, int clientWidth, int clientHeight) override;
    // --- follow tick: window facts read once a tick ---
    // Within a round another program's window has its styles, rectangle and placement read once.
    void BeginWindowFacts() override;
    void EndWindowFacts() override;

    HWND Owner() const { return owner_; }

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

    FontCache fonts_;
    MessageLoop loop_;
    HWND owner_ = nullptr;
    std::unordered_map<ControlHandle, std::unique_ptr<ControlData>> controls_;
};

}  // namespace platform::win32
