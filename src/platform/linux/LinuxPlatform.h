// The Linux platform: FLTK windows on X11, FLTK's timeouts for timers, POSIX for the rest.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <unordered_map>

#include "platform/Platform.h"
#include "platform/linux/wm/TitleButtons.h"
#include "platform/linux/wm/WindowFacts.h"
#include "platform/linux/x11/EventLoop.h"

namespace platform::x11 {

class FormWindow;
class LinuxControl;

class LinuxPlatform : public Platform {
public:
    LinuxPlatform();
    ~LinuxPlatform() override;
    LinuxPlatform(const LinuxPlatform&) = delete;
    LinuxPlatform& operator=(const LinuxPlatform&) = delete;

    WindowHandle CreateFormWindow(const WindowSpec& layout, WindowListener& listener) override;
    void DestroyWindow(WindowHandle w) override;
    void SetVisible(WindowHandle w, bool visible) override;
    bool IsVisible(WindowHandle w) override;
    PixelRect GetWindowRect(WindowHandle w) override;
    void MoveWindow(WindowHandle w, int left, int top) override;
    void Invalidate(WindowHandle w, const PixelRect& r) override;
    void SetTopMost(WindowHandle w) override;
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
    void SetTabOrder(WindowHandle form, const std::vector<ControlHandle>& order) override;
    void FocusControl(ControlHandle c) override;
    void AddBalloonTip(WindowHandle form, ControlHandle c, const BalloonTip& tip) override;
    WindowHandle GetForegroundWindow() override;
    std::uint32_t GetWindowStyle(WindowHandle w) override;
    std::uint32_t GetWindowExStyle(WindowHandle w) override;
    WindowPlacement GetWindowPlacement(WindowHandle w) override;
    int GetSystemMetric(Metric m, WindowHandle w) override;
    std::optional<PixelRect> FullScreenMonitor(WindowHandle w) override;
    // Looked up by the running manager's name before the table of TitleButtons.
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

    void ShowMessageBox(std::string_view text, std::string_view caption, MessageIcon icon) override;

    bool AcquireSingleInstance(std::string_view name) override;
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

    // --- monitors and title bars ---
    PixelRect GetMonitorRect(WindowHandle w) override;
    // From the frame the manager drew (_NET_FRAME_EXTENTS), or the window's own header bar.
    CaptionGeometry GetCaptionGeometry(WindowHandle w) override;
    // --- about dialog ---
    // The first of hardinfo2 and hardinfo on $PATH.
    std::optional<std::string> FindSystemInfoTool() override;
    bool StartProgram(std::string_view path) override;
    std::string ReadmePath() override;
    // xdg-open, detached; nothing when it is not installed.
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
    void SetRoundedRegion(WindowHandle w, const PixelRect& r, int ellipseWidth, int ellipseHeight) override;
    void SetNoActivate(WindowHandle w) override;
    // --- display scaling ---
    // Xft.dpi, read when first asked and again whenever the resource database changes; a new value
    // reaches every form window.
    int ScreenDpi() override;
    void ResizeClient(WindowHandle w, int clientWidth, int clientHeight) override;
    // --- follow tick: window facts read once a tick ---
    void BeginWindowFacts() override;
    void EndWindowFacts() override;

private:
    // nullptr for a handle that is not (or no longer) one of ours.
    FormWindow* Find(WindowHandle w) const;
    // The X window behind one of our shown windows or a foreign handle; 0 for anything else.
    unsigned long XidFor(WindowHandle w) const;
    // GetForegroundWindow's answer, before it drops the watch of a window no longer followed.
    WindowHandle ForegroundWindow();
    void UseDpi(int dpi);
    // The running manager's title-bar buttons: the user's setting or the table.
    std::optional<TitleButtons> ManagerButtons();
    void ResourcesChanged();

    struct ControlEntry {
        WindowHandle form;
        std::unique_ptr<LinuxControl> control;
    };
    LinuxControl* FindControl(ControlHandle c) const;

    EventLoop loop_;
    WindowFacts facts_;
    std::unordered_map<ControlHandle, ControlEntry> controls_;
    // Handles are counters, never pointers: a stale handle finds nothing instead of freed memory.
    std::unordered_map<WindowHandle, FormWindow*> windows_;
    WindowHandle lastHandle_ = 0;
    // The [DriveMap] and [TitleButtons] sections as the settings store read them.
    std::vector<std::pair<std::string, std::string>> driveMap_;
    std::vector<std::pair<std::string, std::string>> titleButtonLayouts_;
    // The title-bar buttons of the manager last seen running (its name, and whether it was looked up).
    std::string managerName_;
    bool managerLooked_ = false;
    std::optional<TitleButtons> managerButtons_;
    int dpi_ = 0;  // not read yet
};

}  // namespace platform::x11
