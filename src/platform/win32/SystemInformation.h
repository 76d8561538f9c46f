// The system information the Win32 backend reads: names, the version record, the adapter records of
// the IP Helper library and registry values, all through the ANSI functions.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "platform/Platform.h"

namespace platform::win32 {

// GetComputerNameA / GetUserNameA, converted from the ANSI code page; empty when the call fails.
std::string QueryComputerName();
std::string QueryUserName();

// GetVersionExA with the extended record (156 bytes), then with the plain one (148 bytes); from
// version 6 on, the version, build, service pack and edition as RtlGetVersion tells them.
VersionRecord QueryVersionRecord();

// GetAdaptersInfo: the size query, then the list into a buffer of the size it asked for. Each record
// is copied by value (the build's own IP_ADAPTER_INFO) while the buffer lives; no link inside a
// copy is followed afterwards.
AdapterQuery QueryAdapters();

// HKEY_LOCAL_MACHINE in the 32-bit view (KEY_WOW64_32KEY in a 64-bit build). A string value is cut
// at its first NUL and converted from the ANSI code page.
std::optional<std::string> ReadRegistryString(std::string_view key, std::string_view value);
std::optional<std::uint32_t> ReadRegistryDword(std::string_view key, std::string_view value);

}  // namespace platform::win32
