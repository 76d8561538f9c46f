// platform::Platform over user32, gdi32 and kernel32; CreatePlatform for Windows builds.
#include "platform/win32/Win32Platform.h"

#include "platform/win32/DpiScaling.h"
#include "platform/win32/FormWindow.h"
#include "platform/win32/ProcessServices.h"
#include "platform/win32/SysInfoTool.h"
#include "platform/win32/SystemInformation.h"
#include "platform/win32/SystemReadings.h"
#include "platform/win32/TextConversion.h"
#include "platform/win32/ToolTips.h"

namespace platform {

std::unique_ptr<Platform> CreatePlatform() {
    return std::make_unique<win32::Win32Platform>();
}

namespace win32 {

namespace {
HWND HwndOf(WindowHandle w) {
    return reinterpret_cast<HWND>(w);
}
}  // namespace

Win32Platform::Win32Platform() {
    DeclareDpiAwareness();
    InitCommonControlsOnce();
    owner_ = CreateFormOwner();
    loop_.SetPreTranslate(&FormWindow::PreTranslate);
    // The owner sits at the origin, on the primary monitor: its scale may be newer than the system
    // DPI, which Windows fixes at sign-in.
    if (const int dpi = DpiOfWindow(owner_))
        SetCurrentDpi(dpi);
}

Win32Platform::~Win32Platform() {
    // Destroying the owner destroys every form window still open, while the fonts are still here.
    if (owner_)
        ::DestroyWindow(owner_);
}

WindowHandle Win32Platform::CreateFormWindow(const WindowSpec& desc, WindowListener& listener) {
    return reinterpret_cast<WindowHandle>(FormWindow::Create(desc, listener, owner_, fonts_));
}

int Win32Platform::ScreenDpi() {
    return CurrentDpi();
}

void Win32Platform::ResizeClient(WindowHandle w, int clientWidth, int clientHeight) {
    if (FormWindow* form = FormWindow::FromHandle(HwndOf(w)))
        form->ResizeClient(clientWidth, clientHeight);
}

void Win32Platform::DestroyWindow(WindowHandle w) {
    ::DestroyWindow(HwndOf(w));
}

void Win32Platform::SetVisible(WindowHandle w, bool visible) {
    HWND hwnd = HwndOf(w);
    if (!visible) {
        ::ShowWindow(hwnd, SW_HIDE);
        return;
    }
    const FormWindow* form = FormWindow::FromHandle(hwnd);
    const bool activate = form && form->Frame() == WindowFrame::Dialog && !form->RefusesActivation();
    ::ShowWindow(hwnd, activate ? SW_SHOW : SW_SHOWNOACTIVATE);
}

bool Win32Platform::IsVisible(WindowHandle w) {
    return ::IsWindowVisible(HwndOf(w)) != FALSE;
}

PixelRect Win32Platform::GetWindowRect(WindowHandle w) {
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

void Win32Platform::MoveWindow(WindowHandle w, int left, int top) {
    ::SetWindowPos(HwndOf(w), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Platform::Invalidate(WindowHandle w, const PixelRect& r) {
    const RECT rc = RectOf(r);
    ::InvalidateRect(HwndOf(w), &rc, FALSE);
}

// A shown window is activated as well, as the program has always made its bar topmost. A hidden one
// is not: Wine would make it the foreground window and take the keyboard from the bar.
void Win32Platform::SetTopMost(WindowHandle w) {
    HWND hwnd = HwndOf(w);
    const FormWindow* form = FormWindow::FromHandle(hwnd);
    const bool refuses = form && form->RefusesActivation();
    const UINT activation = ::IsWindowVisible(hwnd) && !refuses ? 0 : SWP_NOACTIVATE;
    ::SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | activation);
}

void Win32Platform::SetTranslucency(WindowHandle w, std::uint8_t alpha) {
    HWND hwnd = HwndOf(w);
    ::SetWindowLongW(hwnd, GWL_EXSTYLE, WS_EX_LAYERED);
    ::SetLayeredWindowAttributes(hwnd, 0, alpha, LWA_ALPHA);
}

void Win32Platform::SetToolTip(WindowHandle w, int id, const PixelRect& r, std::string_view text) {
    if (FormWindow* form = FormWindow::FromHandle(HwndOf(w)))
        form->SetToolTip(id, r, text);
}

Color Win32Platform::SystemColorValue(SystemColor c) {
    int index = COLOR_WINDOW;
    switch (c) {
        case SystemColor::WindowText:
            index = COLOR_WINDOWTEXT;
            break;
        case SystemColor::Window:
            index = COLOR_WINDOW;
            break;
        case SystemColor::InfoBackground:
            index = COLOR_INFOBK;
            break;
        case SystemColor::ButtonFace:
            index = COLOR_BTNFACE;
            break;
        case SystemColor::ButtonText:
            index = COLOR_BTNTEXT;
            break;
        case SystemColor::ButtonHighlight:
            index = COLOR_BTNHIGHLIGHT;
            break;
    }
    const COLORREF rgb = ::GetSysColor(index);
    return Color{GetRValue(rgb), GetGValue(rgb), GetBValue(rgb)};
}

TimerId Win32Platform::StartTimer(std::uint32_t intervalMs, std::function<void()> tick) {
    return loop_.StartTimer(intervalMs, std::move(tick));
}

void Win32Platform::StopTimer(TimerId id) {
    loop_.StopTimer(id);
}

void Win32Platform::Post(std::function<void()> task) {
    loop_.Post(std::move(task));
}

void Win32Platform::RunLoop() {
    loop_.Run();
}

void Win32Platform::QuitLoop() {
    loop_.Quit();
}

void Win32Platform::ExitProcess(int code) {
    ::ExitProcess(static_cast<UINT>(code));
}

void Win32Platform::ShowMessageBox(std::string_view text, std::string_view caption, MessageIcon icon) {
    HWND active = ::GetActiveWindow();
    ShowOkMessageBox(FormWindow::FromHandle(active) ? active : nullptr, text, caption, icon);
}

bool Win32Platform::AcquireSingleInstance(std::string_view name) {
    return AcquireNamedMutex(name);
}

std::string Win32Platform::SettingsFilePath(std::string_view fileName) {
    return FilePathBeside(ExecutablePath(), fileName);
}

OsVersion Win32Platform::GetOsVersion() {
    return QueryOsVersion();
}

std::optional<CpuTimes> Win32Platform::QueryCpuTimes() {
    return win32::QueryCpuTimes();
}
MemoryStatus Win32Platform::QueryMemoryStatus() {
    return win32::QueryMemoryStatus();
}
DriveSpace Win32Platform::QueryDriveSpace(std::string_view element) {
    return win32::QueryDriveSpace(element);
}
PowerStatus Win32Platform::QueryPowerStatus() {
    return win32::QueryPowerStatus();
}

// Drive elements are the system's own drive letters.
void Win32Platform::SetDriveMap(std::vector<std::pair<std::string, std::string>>) {}
PixelPoint Win32Platform::GetCursorPos() {
    return QueryCursorPos();
}
LocalTime Win32Platform::Now() {
    return QueryLocalTime();
}
std::string Win32Platform::FormatTime(const LocalTime& t) {
    return FormatTimeOfDay(t);
}
std::string Win32Platform::FormatShortDate(const LocalTime& t) {
    return win32::FormatShortDate(t);
}

std::optional<std::string> Win32Platform::FindSystemInfoTool() {
    if (const std::optional<std::wstring> tool = FindSysInfoTool(HKEY_LOCAL_MACHINE))
        return Utf8FromWide(*tool);
    return std::nullopt;
}

bool Win32Platform::StartProgram(std::string_view path) {
    return StartProgramAt(WideFromUtf8(path), SW_SHOWNORMAL);
}

std::string Win32Platform::ReadmePath() {
    return Utf8FromWide(ReadmeBeside(ExecutablePath()));
}

void Win32Platform::OpenAddress(std::string_view address) {
    RunCommandLine(nullptr, L"explorer \"" + WideFromUtf8(address) + L"\"", SW_SHOWMINIMIZED);
}

void Win32Platform::SetCursorArea(WindowHandle w, int id, const PixelRect& r, PointerShape shape) {
    if (FormWindow* form = FormWindow::FromHandle(HwndOf(w)))
        form->SetCursorArea(id, r, shape);
}

std::string Win32Platform::QueryComputerName() {
    return win32::QueryComputerName();
}
std::string Win32Platform::QueryUserName() {
    return win32::QueryUserName();
}
VersionRecord Win32Platform::QueryVersionRecord() {
    return win32::QueryVersionRecord();
}
// Windows names itself through its version record.
std::string Win32Platform::QuerySystemDescription() {
    return {};
}
AdapterQuery Win32Platform::QueryAdapters() {
    return win32::QueryAdapters();
}
std::string Win32Platform::Utf8FromSystemCodePage(std::string_view bytes) {
    return Utf8FromAnsi(bytes);
}
std::optional<std::string> Win32Platform::ReadRegistryString(std::string_view key, std::string_view value) {
    return win32::ReadRegistryString(key, value);
}
std::optional<std::uint32_t> Win32Platform::ReadRegistryDword(std::string_view key, std::string_view value) {
    return win32::ReadRegistryDword(key, value);
}

void Win32Platform::ResizeWindow(WindowHandle w, int width, int height) {
    ::SetWindowPos(HwndOf(w), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Platform::SetRoundedRegion(WindowHandle w, const PixelRect& r, int ellipseWidth, int ellipseHeight) {
    HRGN region = ::CreateRoundRectRgn(r.left, r.top, r.right, r.bottom, ellipseWidth, ellipseHeight);
    if (region && !::SetWindowRgn(HwndOf(w), region, TRUE))
        ::DeleteObject(region);  // refused: still ours
}

void Win32Platform::SetNoActivate(WindowHandle w) {
    if (FormWindow* form = FormWindow::FromHandle(HwndOf(w)))
        form->RefuseActivation();
}

}  // namespace win32
}  // namespace platform
