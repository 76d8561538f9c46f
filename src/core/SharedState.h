// What the subsystems share without reading one another's forms. Each piece has one owner that
// writes it; the others only read it. It lives outside every form, so it survives their re-creation.
#pragma once

#include <cstdint>
#include <string>

namespace SharedState {

// The calendar's: true while it is shown under the bar (the bar reads it).
extern bool bCalendar;

// sysinfo's latest snapshot: the OS text and the names (the bar and the popup show them).
extern std::string strOSVersion;
extern std::string strComName;
extern std::string strUserName;

// app's: where the bar stood, in whole twips, when the settings dialog closed it; the bar comes back
// there when the dialog ends.
extern std::int32_t BarLeft;
extern std::int32_t BarTop;

}  // namespace SharedState
