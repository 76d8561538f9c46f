// Loading the settings record, key by key, with its defaults.
#include "core/AppSettings.h"

#include <algorithm>
#include <optional>

#include "core/basINIFile.h"
#include "forms/Timer.h"

namespace core {

Settings AppSettings;

namespace {

using basINIFile::kSection;

std::int32_t OrDefault(std::int32_t value, std::int32_t fallback) {
    return value == 0 ? fallback : value;
}

// A list left empty, or holding exactly the former default, reads as today's default.
std::string HolidayList(const char* key, const char* former, const char* fallback) {
    std::string list = basINIFile::ReadINIString(kSection, key);
    return list.empty() || list == former ? fallback : list;
}

std::int32_t InTimerRange(std::int32_t value, std::int32_t whenNegative) {
    if (value < 0)
        return whenNegative;
    return std::min(value, forms::Timer::kMaxInterval);
}

}  // namespace

void LoadSettings() {
    Settings& s = AppSettings;
    s.Drive = basINIFile::ReadINIString(kSection, "Drive");
    if (s.Drive.empty())
        s.Drive = "C";
    s.Interval = OrDefault(basINIFile::ReadINILong(kSection, "Interval"), 500);
    s.CPUInterval = OrDefault(basINIFile::ReadINILong(kSection, "CPUInterval"), 500);
    s.MemoryInterval = OrDefault(basINIFile::ReadINILong(kSection, "MemoryInterval"), 1000);
    s.DriveInterval = OrDefault(basINIFile::ReadINILong(kSection, "DriveInterval"), 60000);
    s.BattInterval = basINIFile::ReadINILong(kSection, "BattInterval");
    s.Trans = basINIFile::ReadINIInteger(kSection, "Trans");
    if (s.Trans == 0)
        s.Trans = 255;
    s.CalendarHoliday1 = HolidayList("CalendarHoliday1", kFormerDefaultHolidays1, kDefaultHolidays1);
    s.CalendarHoliday2 = HolidayList("CalendarHoliday2", kFormerDefaultHolidays2, kDefaultHolidays2);
    s.ActiveWindow = basINIFile::ReadINIInteger(kSection, "ActiveWindow");
    // Only an exact "TRUE" switches it on; other text keeps what the record had.
    const std::string mcafee = basINIFile::ReadINIString(kSection, "McAfee");
    if (mcafee.empty()) {
        s.McAfee = false;
    } else if (mcafee == "TRUE") {
        s.McAfee = true;
    }
    // On unless the key holds the number 0: missing, empty or not a number, it stays on.
    const std::optional<std::int32_t> hide =
        basINIFile::ParseLong(basINIFile::ReadINIString(kSection, "HideOnFullScreen"));
    s.HideOnFullScreen = !hide || *hide != 0;
    KeepIntervalsInTimerRange(s);
}

void KeepIntervalsInTimerRange(Settings& s) {
    s.Interval = InTimerRange(s.Interval, 500);
    s.CPUInterval = InTimerRange(s.CPUInterval, 500);
    s.MemoryInterval = InTimerRange(s.MemoryInterval, 1000);
    s.DriveInterval = InTimerRange(s.DriveInterval, 60000);
    s.BattInterval = InTimerRange(s.BattInterval, 0);
}

}  // namespace core
