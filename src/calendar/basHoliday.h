// Whether a date is a holiday: the law's national holidays and days off, and the user's own two lists.
#pragma once

#include <cstdint>

namespace basHoliday {

// The name the calendar gives the date: the national holiday's or the law's day off (元日, 振替休日,
// 国民の休日, ..., calendar/NationalHolidays.h), else "休日" for a day of the user's lists; nullptr for
// neither. The lists are the fixed dates of CalendarHoliday1 (entries "M/D") and the n-th weekdays of
// CalendarHoliday2 (entries "M-N-W", N the week of the day within its month, W 1 = Sunday ...
// 7 = Saturday), read from core::AppSettings at every call, so an edit takes effect at the next call;
// an entry counts only when written exactly in that form. A day beyond daysInMonth, below 1, or a
// month outside 1..12 has no name.
const char* HolidayName(std::int16_t year, std::int16_t month, std::int16_t day, std::int16_t daysInMonth);

// HolidayName(...) != nullptr.
bool IsHoliday(std::int16_t year, std::int16_t month, std::int16_t day, std::int16_t daysInMonth);

}  // namespace basHoliday
