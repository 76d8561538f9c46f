// Process-wide services of the Win32 backend: the message box, the single-instance mutex, the
// version record and the folder of the executable.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "platform/Platform.h"

namespace platform::win32 {

// MB_OK with the icon's flag; returns when the box is dismissed. Its modal loop dispatches the
// thread's messages, timers included.
void ShowOkMessageBox(HWND owner, std::string_view text, std::string_view caption, MessageIcon icon);

// Creates the named mutex and keeps its handle open until the process ends. False when another
// process (anyone but this one) holds the name; a name this process holds already passes again.
// A mutex that cannot be created at all does not stop the program: true.
bool AcquireNamedMutex(std::string_view name);

// GetVersionExA with the 148-byte record; all zero when the query fails.
OsVersion QueryOsVersion();

// The executable's full path, as GetModuleFileNameW reports it.
std::wstring ExecutablePath();
// fileName in the folder of exePath, the separator always inserted. For "Vigilon.ini",
// "C:\Tools\Vigilon.exe" gives "C:\Tools\Vigilon.ini" and "C:\Vigilon.exe" gives "C:\\Vigilon.ini"
// (a drive root keeps its own separator). UTF-8.
std::string FilePathBeside(std::wstring_view exePath, std::string_view fileName);

}  // namespace platform::win32
