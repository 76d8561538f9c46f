// The holiday test: the law's days first, then the user's lists matched as text.
#include "calendar/basHoliday.h"

#include <string>
#include <string_view>

#include "calendar/CalendarDate.h"
#include "calendar/NationalHolidays.h"
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

bool InUserLists(int year, int month, int day) {
    const int week = (day - 1) / 7 + 1;  // day >= 1 here
    const int weekday = calendar::Weekday(year, month, day);
    const std::string m = std::to_string(month);
    return ListHasEntry(core::AppSettings.CalendarHoliday1, m + '/' + std::to_string(day)) ||
           ListHasEntry(core::AppSettings.CalendarHoliday2,
                        m + '-' + std::to_string(week) + '-' + std::to_string(weekday));
}

}  // namespace

const char* HolidayName(std::int16_t year, std::int16_t month, std::int16_t day, std::int16_t daysInMonth) {
    if (month < 1 || month > 12 || day < 1 || day > daysInMonth)
        return nullptr;
    if (const char* name = calendar::NationalHolidayName(year, month, day))
        return name;
    return InUserLists(year, month, day) ? "休日" : nullptr;
}

bool IsHoliday(std::int16_t year, std::int16_t month, std::int16_t day, std::int16_t daysInMonth) {
    return HolidayName(year, month, day, daysInMonth) != nullptr;
}

}  // namespace basHoliday
