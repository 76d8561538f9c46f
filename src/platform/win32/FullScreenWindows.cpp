// Whether another program's window is full-screen: no title bar and its whole monitor covered
// (borderless, or an exclusive mode's window), or the shell telling of a full-screen program or of
// presentation mode. The desktop and the shell's own windows never count.
// windows.h before the platform ports, so that both see the same DrawText.
#include "platform/win32/Win32Desktop.h"

#include <array>
#include <cwchar>

#include "platform/FullScreen.h"
#include "platform/win32/FormWindow.h"

namespace platform::win32 {

namespace {

// SHQueryUserNotificationState (Vista) and the states of QUERY_USER_NOTIFICATION_STATE that mean
// "a full-screen program or a presentation": busy, Direct3D full-screen, presentation mode.
using QueryNotificationStateFn = HRESULT(WINAPI*)(int*);
constexpr int kBusy = 2;
constexpr int kD3dFullScreen = 3;
constexpr int kPresentation = 4;

QueryNotificationStateFn NotificationStateQuery() {
    static const QueryNotificationStateFn query = [] {
        // The program imports nothing from shell32; a known DLL, it loads from the system folder,
        // once, and stays.
        HMODULE shell32 = ::GetModuleHandleW(L"shell32.dll");
        if (!shell32)
            shell32 = ::LoadLibraryW(L"shell32.dll");
        if (!shell32)
            return QueryNotificationStateFn{};
        // The cast through void(*)() keeps the conversion from FARPROC free of warnings.
        return reinterpret_cast<QueryNotificationStateFn>(
            reinterpret_cast<void (*)()>(::GetProcAddress(shell32, "SHQueryUserNotificationState")));
    }();
    return query;
}

bool ShellSaysFullScreen() {
    const QueryNotificationStateFn query = NotificationStateQuery();
    int state = 0;
    if (!query || FAILED(query(&state)))
        return false;
    return state == kBusy || state == kD3dFullScreen || state == kPresentation;
}

// The desktop (its window, Progman and the WorkerW behind the icons) and the taskbars.
bool IsDesktopOrShell(HWND hwnd) {
    if (hwnd == ::GetDesktopWindow() || hwnd == ::GetShellWindow())
        return true;
    std::array<wchar_t, 32> name{};
    if (::GetClassNameW(hwnd, name.data(), static_cast<int>(name.size())) <= 0)
        return false;
    for (const wchar_t* shell : {L"Progman", L"WorkerW", L"Shell_TrayWnd", L"Shell_SecondaryTrayWnd"}) {
        if (std::wcscmp(name.data(), shell) == 0)
            return true;
    }
    return false;
}

}  // namespace

std::optional<PixelRect> Win32Desktop::FullScreenMonitor(WindowHandle w) {
    HWND hwnd = reinterpret_cast<HWND>(w);
    if (!hwnd || FormWindow::FromHandle(hwnd) || !::IsWindow(hwnd) || IsDesktopOrShell(hwnd))
        return std::nullopt;
    FullScreenFacts f;
    f.window = GetWindowRect(w);
    f.monitor = GetMonitorRect(w);
    f.framed = (GetWindowStyle(w) & WS_CAPTION) == WS_CAPTION;
    if (const std::optional<PixelRect> fills = FullScreenMonitorOf(f))
        return fills;
    // Asked only of windows the rectangles leave in doubt.
    f.declared = ShellSaysFullScreen();
    return FullScreenMonitorOf(f);
}

}  // namespace platform::win32
