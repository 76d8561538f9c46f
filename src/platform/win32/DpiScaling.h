// The process's DPI awareness and the resolution its windows are laid out for. The functions of
// newer Windows versions are looked up at run time, so the program still starts on XP.
#pragma once

#include <windows.h>

namespace platform::win32 {

inline constexpr UINT kWmDpiChanged = 0x02E0;  // WM_DPICHANGED, Windows 8.1 and later
inline constexpr int kNormalDpi = 96;

// Per-monitor (v2) awareness where the system has it, system awareness where it has that (Vista and
// later), nothing on XP. The manifest declares the same; this covers a host that ignored it.
void DeclareDpiAwareness();

// The system DPI (LOGPIXELSY of the screen), 96 when it cannot be read.
int SystemDpi();

// The resolution windows are laid out and fonts drawn for: the primary monitor's DPI at start (the
// system DPI where Windows cannot say), then the DPI of the monitor a window was last moved onto.
int CurrentDpi();
void SetCurrentDpi(int dpi);

// The DPI of the monitor a window is on (Windows 10 1607 and later), or 0 where it cannot be asked.
int DpiOfWindow(HWND hwnd);

// A system metric at a resolution, where the system can give one for any resolution; otherwise the
// metric at the system DPI.
int SystemMetricAt(int index, int dpi);

}  // namespace platform::win32
