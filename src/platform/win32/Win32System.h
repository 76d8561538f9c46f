// The Win32 system port: names, version records, adapters, the ANSI code page and the registry,
// programs started with CreateProcess, and a named mutex for the single instance.
#pragma once

// windows.h before the platform headers, so that every unit sees the same DrawText.
#include <windows.h>

#include "platform/SystemPort.h"

namespace platform::win32 {

class Win32System final : public SystemPort {
public:
    std::string QueryComputerName() override;
    std::string QueryUserName() override;
    OsVersion GetOsVersion() override;
    VersionRecord QueryVersionRecord() override;
    // Windows names itself through its version record.
    std::string QuerySystemDescription() override;
    AdapterQuery QueryAdapters() override;
    std::string Utf8FromSystemCodePage(std::string_view bytes) override;
    std::optional<std::string> ReadRegistryString(std::string_view key, std::string_view value) override;
    std::optional<std::uint32_t> ReadRegistryDword(std::string_view key, std::string_view value) override;
    // The registry's record of the tool under HKEY_LOCAL_MACHINE.
    std::optional<std::string> FindSystemInfoTool() override;
    bool StartProgram(std::string_view path) override;
    std::string ReadmePath() override;
    // "explorer" and the address, minimised with the focus.
    void OpenAddress(std::string_view address) override;
    bool AcquireSingleInstance(std::string_view name) override;
};

}  // namespace platform::win32
