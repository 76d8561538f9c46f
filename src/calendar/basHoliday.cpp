// The holiday rules: list entries matched as text, equinox days by formula, and the day-after marks.
#include "calendar/basHoliday.h"

#include <cmath>
#include <string>
#include <string_view>

#include "calendar/CalendarDate.h"
#include "core/AppSettings.h"

namespace basHoliday {
namespace {

// Same result as finding "," + entry + "," in "," + list + ",": entry holds no comma, so it occurs
// there exactly when one of the comma-separated fields equals it, and the list is not copied.
bool ListHasEntry(std::string_view list, std::string_view entry) {
    for (std::size_t start = 0;;) {
        const std::size_t end = list.find(',', start);
        if (list.substr(start, end - start) == entry) {
            return true;
        }
        if (end == std::string_view::npos) {
            return false;
        }
        start = end + 1;
    }
}

// floor(base + 0.242194 * (year - 1980) - floor((year - 1980) / 4)) in doubles, in that order.
bool IsEquinoxDay(int year, int day, double base) {
    const double y = static_cast<double>(year - 1980);
    return static_cast<double>(day) == std::floor(base + 0.242194 * y - std::floor(y / 4.0));
}

// The four rules (both lists, both equinoxes), without the day-after marks.
bool MatchesRule(int year, int month, int day) {
    const int week = (day - 1) / 7 + 1;  // day >= 1 here
    const int weekday = calendar::Weekday(year, month, day);

    const std::string m = std::to_string(month);
    bool holiday = ListHasEntry(core::AppSettings.CalendarHoliday1, m + '/' + std::to_string(day));
    holiday |= ListHasEntry(core::AppSettings.CalendarHoliday2,
                            m + '-' + std::to_string(week) + '-' + std::to_string(weekday));
    holiday |= month == 3 && IsEquinoxDay(year, day, 20.8431);
    holiday |= month == 9 && IsEquinoxDay(year, day, 23.2488);
    return holiday;
}

bool IsDayInMonth(int month, int day, int daysInMonth) {
    return month >= 1 && month <= 12 && day >= 1 && day <= daysInMonth;
}

}  // namespace

bool IsHoliday(std::int16_t year,
               std::int16_t month,
               std::int16_t day,
               std::int16_t daysInMonth,
               bool& NextDayHoliday) {
    if (!IsDayInMonth(month, day, daysInMonth) || !MatchesRule(year, month, day)) {
        return false;
    }
    if (calendar::Weekday(year, month, day) == 1) {
        NextDayHoliday = true;
    }
    // A holiday two days on marks the day between. Testing that day in full, and so on along a chain
    // of holidays two days apart, could only set this same flag again: one look ahead is enough.
    // In int, as day + 2 may not fit 16 bits.
    const int dayAfterNext = day + 2;
    if (IsDayInMonth(month, dayAfterNext, daysInMonth) && MatchesRule(year, month, dayAfterNext)) {
        NextDayHoliday = true;
    }
    return true;
}

}  // namespace basHoliday
