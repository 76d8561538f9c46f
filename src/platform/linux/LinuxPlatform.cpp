// The Linux platform's glue: window handles, and each Platform call handed to the part that does it.
#include "platform/linux/LinuxPlatform.h"

#include <FL/Enumerations.H>
#include <FL/Fl.H>
#include <FL/Fl_Tooltip.H>
#include <unistd.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "platform/linux/controls/MessageBox.h"
#include "platform/linux/controls/NativeControls.h"
#include "platform/linux/draw/Fonts.h"
#include "platform/linux/draw/ProgramIcon.h"
#include "platform/linux/profile/SettingsPath.h"
#include "platform/linux/readings/SystemReadings.h"
#include "platform/linux/system/ProgramStart.h"
#include "platform/linux/system/SingleInstance.h"
#include "platform/linux/wm/ForeignMapping.h"
#include "platform/linux/wm/WindowManager.h"
#include "platform/linux/x11/FormWindow.h"
#include "platform/linux/x11/Pointer.h"
#include "platform/linux/x11/XProperties.h"
#include "platform/linux/x11/XftDpi.h"

namespace platform {

std::unique_ptr<Platform> CreatePlatform() {
    x11::OpenDisplay();
    return std::make_unique<x11::LinuxPlatform>();
}

namespace x11 {

namespace {

Color InfoBackground() {
    return {255, 255, 225};
}

// FLTK's end for a lost display (its X I/O error handler) and other fatal errors. The program keeps
// nothing that needs saving at its end, and the windows are gone with the display: the process ends
// at once, without running destructors over windows the toolkit can no longer reach.
[[noreturn]] void EndAtFatalError(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::vfprintf(stderr, format, args);
    va_end(args);
    std::fputc('\n', stderr);
    std::fflush(nullptr);
    ::_exit(1);
}

}  // namespace

LinuxPlatform::LinuxPlatform() {
    Fl::fatal = &EndAtFatalError;
    // Tips look like Windows' (info colour, the UI font that has the Japanese glyphs).
    const Color info = InfoBackground();
    Fl_Tooltip::color(fl_rgb_color(info.r, info.g, info.b));
    Fl_Tooltip::textcolor(FL_BLACK);
    Fl_Tooltip::font(static_cast<Fl_Font>(FltkFontFor(kUiFont)));
    Fl_Tooltip::delay(0.5f);
    Fl::event_dispatch(&DispatchWithKeyPreview);
    WatchPointerCrossings([](Fl_Window& window, bool entered) {
        if (auto* form = dynamic_cast<FormWindow*>(&window))
            form->PointerCrossed(entered);
    });
}

LinuxPlatform::~LinuxPlatform() {
    if (dpi_ != 0)
        StopWatchingXftDpi();
    controls_.clear();
    for (const auto& [handle, window] : windows_) {
        window->Detach();
        delete window;
    }
    windows_.clear();
    Fl::do_widget_deletion();
}

FormWindow* LinuxPlatform::Find(WindowHandle w) const {
    const auto it = windows_.find(w);
    return it == windows_.end() ? nullptr : it->second;
}

WindowHandle LinuxPlatform::CreateFormWindow(const WindowSpec& layout, WindowListener& listener) {
    ScreenDpi();  // its text is drawn at it
    if (layout.frame == WindowFrame::Dialog)
        InstallWindowIcons();  // the borderless windows have no manager to show an icon
    const WindowHandle handle = ++lastHandle_;
    windows_.emplace(handle, new FormWindow(layout, listener));
    return handle;
}

void LinuxPlatform::DestroyWindow(WindowHandle w) {
    FormWindow* window = Find(w);
    if (!window)
        return;
    windows_.erase(w);
    if (window->shown())
        facts_.OurWindowGone();
    window->Detach();
    // A window whose own handler is destroying it is deleted once that handler has returned.
    if (window->Dispatching()) {
        window->DeleteWhenIdle();
    } else {
        Fl::delete_widget(window);
    }
}

void LinuxPlatform::SetVisible(WindowHandle w, bool visible) {
    FormWindow* window = Find(w);
    if (!window)
        return;
    if (visible) {
        window->Show();
    } else if (window->shown()) {
        window->Hide();
        facts_.OurWindowGone();
    }
}

// A window the manager has iconified still counts as visible, as on Windows.
bool LinuxPlatform::IsVisible(WindowHandle w) {
    FormWindow* window = Find(w);
    return window && window->shown();
}

PixelRect LinuxPlatform::GetWindowRect(WindowHandle w) {
    if (FormWindow* window = Find(w))
        return window->OuterRect();
    return facts_.OuterRect(ForeignXid(w)).value_or(PixelRect{});
}

void LinuxPlatform::MoveWindow(WindowHandle w, int left, int top) {
    if (FormWindow* window = Find(w))
        window->MoveOuter(left, top);
}

void LinuxPlatform::Invalidate(WindowHandle w, const PixelRect& r) {
    if (FormWindow* window = Find(w))
        window->InvalidateClient(r);
}

void LinuxPlatform::SetTopMost(WindowHandle w) {
    if (FormWindow* window = Find(w))
        window->MakeTopMost();
}

void LinuxPlatform::SetTranslucency(WindowHandle w, std::uint8_t alpha) {
    if (FormWindow* window = Find(w))
        window->SetAlpha(alpha);
}

void LinuxPlatform::SetToolTip(WindowHandle w, int id, const PixelRect& r, std::string_view text) {
    if (FormWindow* window = Find(w))
        window->SetToolTip(id, r, text);
}

Color LinuxPlatform::SystemColorValue(SystemColor c) {
    switch (c) {
        case SystemColor::WindowText:
            return {0, 0, 0};
        case SystemColor::Window:
            return {255, 255, 255};
        case SystemColor::InfoBackground:
            return InfoBackground();
        case SystemColor::ButtonFace:
            return {240, 240, 240};
        case SystemColor::ButtonText:
            return {0, 0, 0};
        case SystemColor::ButtonHighlight:
            return {255, 255, 255};
    }
    return {0, 0, 0};
}

// Read when first asked (the first window's layout), not when the platform is made: reading opens the
// display. Text of every kind (forms, tips, menus, boxes) is drawn at the same resolution.
int LinuxPlatform::ScreenDpi() {
    if (dpi_ == 0) {
        UseDpi(ReadXftDpi());
        WatchXftDpi([this] { ResourcesChanged(); });
    }
    return dpi_;
}

void LinuxPlatform::UseDpi(int dpi) {
    dpi_ = dpi;
    SetFontDpi(dpi);
    Fl_Tooltip::size(static_cast<Fl_Fontsize>(PixelsFromPoints(kUiFont.points)));
}

// Any resource may have changed; only a new Xft.dpi re-lays out the windows.
void LinuxPlatform::ResourcesChanged() {
    const int dpi = ReadXftDpi();
    if (dpi == dpi_)
        return;
    UseDpi(dpi);
    std::vector<WindowHandle> handles;
    for (const auto& [handle, window] : windows_)
        handles.push_back(handle);
    for (WindowHandle h : handles) {
        if (FormWindow* window = Find(h))  // an earlier one's handler may have closed it
            window->DpiChanged();
    }
}

void LinuxPlatform::ResizeClient(WindowHandle w, int clientWidth, int clientHeight) {
    if (FormWindow* window = Find(w))
        window->ResizeClient(clientWidth, clientHeight);
}

TimerId LinuxPlatform::StartTimer(std::uint32_t intervalMs, std::function<void()> tick) {
    return loop_.StartTimer(intervalMs, std::move(tick));
}

void LinuxPlatform::StopTimer(TimerId id) {
    loop_.StopTimer(id);
}

void LinuxPlatform::Post(std::function<void()> task) {
    loop_.Post(std::move(task));
}

void LinuxPlatform::RunLoop() {
    loop_.Run();
}

void LinuxPlatform::QuitLoop() {
    loop_.Quit();
}

void LinuxPlatform::ExitProcess(int code) {
    std::fflush(nullptr);
    FlushDisplay();
    ::_exit(code);
}

void LinuxPlatform::ShowMessageBox(std::string_view text, std::string_view caption, MessageIcon icon) {
    ScreenDpi();  // the box's text and sizes follow it
    InstallWindowIcons();
    x11::ShowMessageBox(text, caption, icon);
}

bool LinuxPlatform::AcquireSingleInstance(std::string_view name) {
    // One bar per X display, as Windows has one per session.
    const posix::LockResult result =
        posix::AcquireInstanceLock(posix::LockNameForDisplay(name, std::getenv("DISPLAY")));
    if (result == posix::LockResult::NoPrivatePlace) {
        // Without a lock of our own a second bar could run; better not to start than to start twice.
        std::fprintf(stderr,
                     "vigilon: no private folder for the lock file (the one under the temporary folder "
                     "belongs to someone else); not starting\n");
        ShowMessageBox(
            "Vigilonを起動できません。\r\n起動中かどうかを確かめるためのロックファイルを置ける、"
            "自分専用のフォルダーがありません（一時フォルダーの vigilon-<ユーザーID> が他のユーザーのものです）。",
            "Vigilon", MessageIcon::Exclamation);
        ExitProcess(1);
    }
    return result == posix::LockResult::Acquired;
}

std::string LinuxPlatform::SettingsFilePath(std::string_view fileName) {
    return posix::SettingsPathForProcess(fileName);
}

OsVersion LinuxPlatform::GetOsVersion() {
    return {};
}

std::optional<CpuTimes> LinuxPlatform::QueryCpuTimes() {
    return posix::QueryCpuTimes();
}
MemoryStatus LinuxPlatform::QueryMemoryStatus() {
    return posix::QueryMemoryStatus();
}
DriveSpace LinuxPlatform::QueryDriveSpace(std::string_view element) {
    return posix::QueryDriveSpace(element, driveMap_);
}

void LinuxPlatform::SetDriveMap(std::vector<std::pair<std::string, std::string>> folders) {
    driveMap_ = std::move(folders);
}
PowerStatus LinuxPlatform::QueryPowerStatus() {
    return posix::QueryPowerStatus();
}

PixelPoint LinuxPlatform::GetCursorPos() {
    int x = 0;
    int y = 0;
    Fl::get_mouse(x, y);
    return {x, y};
}

LocalTime LinuxPlatform::Now() {
    return posix::QueryLocalTime();
}
std::string LinuxPlatform::FormatTime(const LocalTime& t) {
    return posix::FormatTimeOfDay(t);
}
std::string LinuxPlatform::FormatShortDate(const LocalTime& t) {
    return posix::FormatShortDate(t);
}

namespace {
std::string PathVariable() {
    const char* path = std::getenv("PATH");
    return path ? path : "";
}
}  // namespace

std::optional<std::string> LinuxPlatform::FindSystemInfoTool() {
    return posix::FindOnPath(PathVariable(), {"hardinfo2", "hardinfo"});
}

bool LinuxPlatform::StartProgram(std::string_view path) {
    return posix::StartDetached({std::string(path)});
}

std::string LinuxPlatform::ReadmePath() {
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return posix::ReadmeFor(ec ? std::string() : exe.parent_path().string());
}

void LinuxPlatform::OpenAddress(std::string_view address) {
    if (const std::optional<std::string> opener = posix::FindOnPath(PathVariable(), {"xdg-open"}))
        posix::StartDetached({*opener, std::string(address)});
}

void LinuxPlatform::SetCursorArea(WindowHandle w, int id, const PixelRect& r, PointerShape shape) {
    if (FormWindow* window = Find(w))
        window->SetCursorArea(id, r, shape);
}

}  // namespace x11

}  // namespace platform
