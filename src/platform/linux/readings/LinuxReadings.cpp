// The Linux readings port, each reading handed to the function in SystemReadings that makes it.
#include "platform/linux/readings/LinuxReadings.h"

#include "platform/linux/readings/SystemReadings.h"

namespace platform::x11 {

std::optional<CpuTimes> LinuxReadings::QueryCpuTimes() {
    return posix::QueryCpuTimes();
}
MemoryStatus LinuxReadings::QueryMemoryStatus() {
    return posix::QueryMemoryStatus();
}
DriveSpace LinuxReadings::QueryDriveSpace(std::string_view element) {
    return posix::QueryDriveSpace(element, driveMap_);
}

void LinuxReadings::SetDriveMap(std::vector<std::pair<std::string, std::string>> folders) {
    driveMap_ = std::move(folders);
}
PowerStatus LinuxReadings::QueryPowerStatus() {
    return posix::QueryPowerStatus();
}
LocalTime LinuxReadings::Now() {
    return posix::QueryLocalTime();
}
std::string LinuxReadings::FormatTime(const LocalTime& t) {
    return posix::FormatTimeOfDay(t);
}
std::string LinuxReadings::FormatShortDate(const LocalTime& t) {
    return posix::FormatShortDate(t);
}

}  // namespace platform::x11
