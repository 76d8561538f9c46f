// Whether a date is a holiday: the two editable rule lists, the equinox formulas and the day-after marks.
#pragma once

#include <cstdint>

namespace basHoliday {

// True when the date is a holiday by the fixed-date list (entries "M/D"), the n-th-weekday list
// (entries "M-N-W", N the week of the day within its month, W 1 = Sunday ... 7 = Saturday), or the
// vernal or autumnal equinox formula. Both lists are read from core::AppSettings at every call, so an
// edit takes effect at the next call; an entry counts only when written exactly in that form.
// A holiday that is a Sunday, or one followed by another holiday two days later within the month,
// sets NextDayHoliday, so the caller marks the following day; the flag is never cleared here.
// A day beyond daysInMonth, below 1, or a month outside 1..12 is no holiday and changes nothing.
bool IsHoliday(std::int16_t year, std::int16_t month, std::int16_t day, std::int16_t daysInMonth, bool& NextDayHoliday);

}  // namespace basHoliday
