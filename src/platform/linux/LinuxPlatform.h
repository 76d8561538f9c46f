// The Linux platform: FLTK windows on X11, FLTK's timeouts for timers, POSIX for the rest.
#pragma once

#include <memory>
#include <unordered_map>

#include "platform/Platform.h"
#include "platform/linux/EventLoop.h"

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
    ControlHandle CreateControl(WindowHandle form, const ControlSpec& spec, ControlListener& listener) override;
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
    PixelPoint GetCursorPos() override;
    LocalTime Now() override;
    std::string FormatTime(const LocalTime& t) override;
    std::string FormatShortDate(const LocalTime& t) override;

    // Xft.dpi, read when first asked and again whenever the resource database changes; a new value
    // reaches every form window.
    int ScreenDpi() override;
    void ResizeClient(WindowHandle w, int clientWidth, int clientHeight) override;

private:
    // nullptr for a handle that is not (or no longer) one of ours.
    FormWindow* Find(WindowHandle w) const;
    // The X window behind one of our shown windows or a foreign handle; 0 for anything else.
    unsigned long XidFor(WindowHandle w) const;
    void UseDpi(int dpi);
    void ResourcesChanged();

    struct ControlEntry {
        WindowHandle form;
        std::unique_ptr<LinuxControl> control;
    };
    LinuxControl* FindControl(ControlHandle c) const;

    EventLoop loop_;
    std::unordered_map<ControlHandle, ControlEntry> controls_;
    // Handles are counters, never pointers: a stale handle finds nothing instead of freed memory.
    std::unordered_map<WindowHandle, FormWindow*> windows_;
    WindowHandle lastHandle_ = 0;
    int dpi_ = 0;  // not read yet
};

}  // namespace platform::x11
