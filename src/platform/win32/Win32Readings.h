// The Win32 readings port: the system's counters, the drive query thread, the power status and
// the user's locale formats.
#pragma once

// windows.h before the platform headers, so that every unit sees the same DrawText.
#include <windows.h>

#include "platform/ReadingsPort.h"

namespace platform::win32 {

class Win32Readings final : public ReadingsPort {
public:
    std::optional<CpuTimes> QueryCpuTimes() override;
    MemoryStatus QueryMemoryStatus() override;
    DriveSpace QueryDriveSpace(std::string_view element) override;
    PowerStatus QueryPowerStatus() override;
    void SetDriveMap(std::vector<std::pair<std::string, std::string>> folders) override;
    LocalTime Now() override;
    std::string FormatTime(const LocalTime& t) override;
    std::string FormatShortDate(const LocalTime& t) override;
};

}  // namespace platform::win32
