// The system on Windows: names, version records, adapters, the registry, other programs and the
// single-instance mutex.
#include "platform/win32/Win32System.h"

#include "platform/win32/ProcessServices.h"
#include "platform/win32/SysInfoTool.h"
#include "platform/win32/SystemInformation.h"
#include "platform/win32/TextConversion.h"

namespace platform::win32 {

bool Win32System::AcquireSingleInstance(std::string_view name) {
    return AcquireNamedMutex(name);
}

OsVersion Win32System::GetOsVersion() {
    return QueryOsVersion();
}

std::optional<std::string> Win32System::FindSystemInfoTool() {
    if (const std::optional<std::wstring> tool = FindSysInfoTool(HKEY_LOCAL_MACHINE))
        return Utf8FromWide(*tool);
    return std::nullopt;
}

bool Win32System::StartProgram(std::string_view path) {
    return StartProgramAt(WideFromUtf8(path), SW_SHOWNORMAL);
}

std::string Win32System::ReadmePath() {
    return Utf8FromWide(ReadmeBeside(ExecutablePath()));
}

void Win32System::OpenAddress(std::string_view address) {
    RunCommandLine(nullptr, L"explorer \"" + WideFromUtf8(address) + L"\"", SW_SHOWMINIMIZED);
}

std::string Win32System::QueryComputerName() {
    return win32::QueryComputerName();
}

std::string Win32System::QueryUserName() {
    return win32::QueryUserName();
}

VersionRecord Win32System::QueryVersionRecord() {
    return win32::QueryVersionRecord();
}

// Windows names itself through its version record.
std::string Win32System::QuerySystemDescription() {
    return {};
}

AdapterQuery Win32System::QueryAdapters() {
    return win32::QueryAdapters();
}

std::string Win32System::Utf8FromSystemCodePage(std::string_view bytes) {
    return Utf8FromAnsi(bytes);
}

std::optional<std::string> Win32System::ReadRegistryString(std::string_view key, std::string_view value) {
    return win32::ReadRegistryString(key, value);
}

std::optional<std::uint32_t> Win32System::ReadRegistryDword(std::string_view key, std::string_view value) {
    return win32::ReadRegistryDword(key, value);
}

}  // namespace platform::win32
