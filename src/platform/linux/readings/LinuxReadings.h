// The Linux readings port: /proc, statvfs, sysfs and the C library's clock and locale.
#pragma once

#include "platform/ReadingsPort.h"

namespace platform::x11 {

class LinuxReadings final : public ReadingsPort {
public:
    std::optional<CpuTimes> QueryCpuTimes() override;
    MemoryStatus QueryMemoryStatus() override;
    DriveSpace QueryDriveSpace(std::string_view element) override;
    PowerStatus QueryPowerStatus() override;
    LocalTime Now() override;
    std::string FormatTime(const LocalTime& t) override;
    std::string FormatShortDate(const LocalTime& t) override;
};

}  // namespace platform::x11
