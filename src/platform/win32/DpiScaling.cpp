// DPI awareness through the newest call the running system offers, and the DPI state of the process.
#include "platform/win32/DpiScaling.h"

namespace platform::win32 {

namespace {

int g_dpi = 0;  // not known yet

// DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2 (Windows 10 1703).
const HANDLE kPerMonitorAwareV2 = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4));

using SetProcessDpiAwarenessContextFn = BOOL(WINAPI*)(HANDLE);
using SetProcessDPIAwareFn = BOOL(WINAPI*)();
using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using GetSystemMetricsForDpiFn = int(WINAPI*)(int, UINT);

template <class Fn>
Fn User32Function(const char* name) {
    HMODULE user32 = ::GetModuleHandleW(L"user32.dll");
    if (!user32)
        return nullptr;
    // The cast through void(*)() keeps the conversion from FARPROC free of warnings.
    return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(::GetProcAddress(user32, name)));
}

}  // namespace

void DeclareDpiAwareness() {
    static const auto setContext = User32Function<SetProcessDpiAwarenessContextFn>("SetProcessDpiAwarenessContext");
    if (setContext) {
        // Access is denied when the manifest has decided already; an unknown context (before
        // Windows 10 1703) leaves the older call to try.
        if (setContext(kPerMonitorAwareV2) || ::GetLastError() == ERROR_ACCESS_DENIED)
            return;
    }
    static const auto setAware = User32Function<SetProcessDPIAwareFn>("SetProcessDPIAware");
    if (setAware)
        setAware();
}

int SystemDpi() {
    int dpi = 0;
    if (HDC screen = ::GetDC(nullptr)) {
        dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
        ::ReleaseDC(nullptr, screen);
    }
    return dpi > 0 ? dpi : kNormalDpi;
}

int CurrentDpi() {
    if (g_dpi == 0)
        g_dpi = SystemDpi();
    return g_dpi;
}

void SetCurrentDpi(int dpi) {
    if (dpi > 0)
        g_dpi = dpi;
}

int DpiOfWindow(HWND hwnd) {
    static const auto getDpi = User32Function<GetDpiForWindowFn>("GetDpiForWindow");
    return getDpi && hwnd ? static_cast<int>(getDpi(hwnd)) : 0;
}

int SystemMetricAt(int index, int dpi) {
    static const auto metricForDpi = User32Function<GetSystemMetricsForDpiFn>("GetSystemMetricsForDpi");
    if (metricForDpi && dpi > 0)
        return metricForDpi(index, static_cast<UINT>(dpi));
    return ::GetSystemMetrics(index);
}

}  // namespace platform::win32
