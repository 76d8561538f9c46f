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
    void SetDriveMap(std::vector<std::pair<std::string, std::string>> folders) override;
    LocalTime Now() override;
    std::string FormatTime(const LocalTime& t) override;
    std::string FormatShortDate(const LocalTime& t) override;

private:
    // The [DriveMap] section as the settings store read it.
    std::vector<std::pair<std::string, std::string>> driveMap_;
};

}  // namespace platform::x11
