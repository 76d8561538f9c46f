// The bar's system readings on Linux: CPU idle time, memory, drive sizes, power and the local time,
// read from /proc, sysfs, statvfs and the C library, in the units and shapes of the Windows calls.
#pragma once

#include <locale.h>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Platform.h"
#include "platform/PrivateProfile.h"
#include "platform/linux/readings/ProcReadings.h"

namespace platform::posix {

// Idle + iowait time of all processors and the monotonic clock, both in 100 ns units; nullopt when
// /proc/stat cannot be read or parsed.
std::optional<CpuTimes> QueryCpuTimes();

// From /proc/meminfo; all zero when it cannot be read.
MemoryStatus QueryMemoryStatus();

// The sizes of the file system that holds the folder a Drive-setting element stands for ("C" is "/",
// others come from driveMap, the [DriveMap] section of the settings file). An element without a folder
// fails with the description of ENODEV ("No such device"), as Windows fails for a letter with no drive;
// a folder whose file system does not answer within kDriveAnswerMs fails with that of ETIMEDOUT.
DriveSpace QueryDriveSpace(std::string_view element, const profile::Entries& driveMap);
// statvfs(folder): the bytes available to this user and the total; the errno text when it fails.
DriveSpace QueryFolderSpace(const std::string& folder);
// The same on a thread of its own, waited for at most kDriveAnswerMs (see TimedQueries).
DriveSpace QueryFolderSpaceWithin(const std::string& folder);

// From /sys/class/power_supply (see ParsePowerSupplies for the rules).
PowerStatus QueryPowerStatus();
// The supplies below a power_supply folder, by name; none when the folder is missing.
std::vector<SupplyFiles> ReadPowerSupplies(const std::string& folder);

// The wall clock in the local time zone; a changed zone shows from the next call.
LocalTime QueryLocalTime();

// The time in the user's format (LC_TIME's "%X"; the clock draws a 12-hour "07:30:00 PM" smaller),
// or "%H:%M:%S" where that is empty or wider than 11 columns (a character beyond ASCII taking two):
// "19時30分00秒" would be drawn too small to read.
std::string FormatTimeOfDay(const LocalTime& t);
// The date in the user's short format (LC_TIME's "%x").
std::string FormatShortDate(const LocalTime& t);

// The two formatters with the time conventions of loc (a locale object with LC_TIME), for tests.
// Text that is not UTF-8 never comes back: loc must have a UTF-8 LC_CTYPE, else "C" rules apply.
std::string FormatTimeOfDay(const LocalTime& t, locale_t loc);
std::string FormatShortDate(const LocalTime& t, locale_t loc);

}  // namespace platform::posix
