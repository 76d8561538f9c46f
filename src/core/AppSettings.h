// The process-wide settings record and its loader.
#pragma once

#include <cstdint>
#include <string>

#include "platform/PrivateProfile.h"

namespace core {

// The user's own holidays, added to the law's: by default the year-end days the law does not have.
inline constexpr const char* kDefaultHolidays1 = "12/29,12/30,12/31";
inline constexpr const char* kDefaultHolidays2 = "";
// The defaults of the versions before the law's holidays were built in, as their settings dialog
// wrote them back. A list holding exactly one of them loads as the default of today.
inline constexpr const char* kFormerDefaultHolidays1 = "1/1,2/11,4/29,5/3,5/5,7/20,11/3,11/23,12/29,12/30,12/31";
inline constexpr const char* kFormerDefaultHolidays2 = "1-2-2,7-3-2,9-3-2,10-2-2";

// One field per key of the [Setting] section, named as the key, and one per whole section the program
// reads (see SettingKeys.h for the rules). Intervals are milliseconds.
struct Settings {
    std::string Drive;
    std::int32_t Interval = 0;
    std::int32_t CPUInterval = 0;
    std::int32_t MemoryInterval = 0;
    std::int32_t DriveInterval = 0;
    std::int32_t BattInterval = 0;  // 0: no power check
    std::int16_t Trans = 0;         // window alpha, used only in 1..255
    std::string CalendarHoliday1;
    std::string CalendarHoliday2;
    std::int16_t ActiveWindow = 0;  // 1: stay put instead of following the active window
    bool McAfee = false;
    bool HideOnFullScreen = true;             // false (0 in the file): stay over full-screen windows
    platform::profile::Entries DriveMap;      // drive name -> folder (Linux)
    platform::profile::Entries TitleButtons;  // window-manager name -> title-button layout (Linux)
};

extern Settings AppSettings;

// Fills AppSettings from the settings file by the rules of SettingKeys. Defaults stand in for missing
// values; nothing is written.
void LoadSettings();

}  // namespace core
