// The about dialog's platform side on Windows: the system-information tool found through the
// registry, starting programs, opening the README with explorer.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace platform::win32 {

// Reads the value SubKeyRef of the key KeyName under KeyRoot as text into KeyVal: REG_SZ as it is
// stored (without its terminating NUL, if stored with one), REG_DWORD as "&h" and hexadecimal
// digits; any other type leaves KeyVal as it was. The key is opened for reading only. False when the
// key or the value cannot be read, or the value is longer than 1024 characters; KeyVal is then "".
bool GetKeyValue(HKEY KeyRoot, const std::wstring& KeyName, const std::wstring& SubKeyRef, std::wstring& KeyVal);

// The tool's path: the "PATH" value of ...\Shared Tools\MSINFO, else MSINFO32.EXE in the folder that
// "MSINFO" of ...\Shared Tools Location names, if that file exists. Both keys under root (the
// program asks HKEY_LOCAL_MACHINE).
std::optional<std::wstring> FindSysInfoTool(HKEY root);

// CreateProcess of a command line (the program searched for by its first word when application is
// nullptr), its window shown as showCommand asks; false when it cannot be started.
bool RunCommandLine(const wchar_t* application, std::wstring commandLine, int showCommand);
// The program at path, with no arguments.
bool StartProgramAt(std::wstring_view path, int showCommand);

// README.txt beside the executable, else in the folder above it (the zip keeps one README beside
// the two builds' folders); empty when neither has it.
std::wstring ReadmeBeside(std::wstring_view exePath);

}  // namespace platform::win32
