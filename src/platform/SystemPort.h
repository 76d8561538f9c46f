// The system itself: its names and version, its network adapters, its code page and registry, the
// programs and documents it starts, and the one-instance lock.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Types.h"

namespace platform {

class SystemPort {
public:
    virtual ~SystemPort() = default;

    // The computer's name (Windows: its NetBIOS name; Linux: the host name up to its first dot) and
    // the name of the user the program runs as, UTF-8; empty when the system does not answer.
    virtual std::string QueryComputerName() = 0;
    virtual std::string QueryUserName() = 0;
    // All zero when the query fails or the platform has no Windows version.
    virtual OsVersion GetOsVersion() = 0;
    // Not ok where the system has no Windows version record.
    virtual VersionRecord QueryVersionRecord() = 0;
    // How a system without a Windows version record names itself (Linux: the distribution and the
    // kernel release); empty on Windows.
    virtual std::string QuerySystemDescription() = 0;
    virtual AdapterQuery QueryAdapters() = 0;
    // Bytes in the system's code page (ANSI on Windows, UTF-8 on Linux) as UTF-8; invalid sequences
    // become U+FFFD.
    virtual std::string Utf8FromSystemCodePage(std::string_view bytes) = 0;
    // A value under HKEY_LOCAL_MACHINE, read in the 32-bit view of the registry (where the program's
    // home platform and the products it reads keep their keys), whatever the build. Nothing when the
    // key or value is missing or of another type; Linux has no registry.
    virtual std::optional<std::string> ReadRegistryString(std::string_view key, std::string_view value) = 0;
    virtual std::optional<std::uint32_t> ReadRegistryDword(std::string_view key, std::string_view value) = 0;

    // The full path of the platform's system-information tool; nothing when none is installed.
    virtual std::optional<std::string> FindSystemInfoTool() = 0;
    // Starts the program at this path in a normal window with the focus, not waiting for it;
    // false when it could not be started.
    virtual bool StartProgram(std::string_view path) = 0;
    // The README that comes with the program, where the installed or unpacked program keeps it;
    // empty when it is nowhere to be found.
    virtual std::string ReadmePath() = 0;
    // Opens a document or web address with the desktop's handler for it.
    virtual void OpenAddress(std::string_view address) = 0;

    // True when no other process holds the lock of this name; the lock lives as long as the process,
    // and later calls by the process that holds it return true again.
    virtual bool AcquireSingleInstance(std::string_view name) = 0;
};

}  // namespace platform
