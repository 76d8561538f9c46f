// The readings on Windows, each handed to the function in SystemReadings that makes it.
#include "platform/win32/Win32Readings.h"

#include "platform/win32/SystemReadings.h"

namespace platform::win32 {

std::optional<CpuTimes> Win32Readings::QueryCpuTimes() {
    return win32::QueryCpuTimes();
}

MemoryStatus Win32Readings::QueryMemoryStatus() {
    return win32::QueryMemoryStatus();
}

DriveSpace Win32Readings::QueryDriveSpace(std::string_view element) {
    return win32::QueryDriveSpace(element);
}

PowerStatus Win32Readings::QueryPowerStatus() {
    return win32::QueryPowerStatus();
}

// Drive elements are the system's own drive letters.
void Win32Readings::SetDriveMap(std::vector<std::pair<std::string, std::string>>) {}

LocalTime Win32Readings::Now() {
    return QueryLocalTime();
}

std::string Win32Readings::FormatTime(const LocalTime& t) {
    return FormatTimeOfDay(t);
}

std::string Win32Readings::FormatShortDate(const LocalTime& t) {
    return win32::FormatShortDate(t);
}

}  // namespace platform::win32
