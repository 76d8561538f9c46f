// Proleptic Gregorian date arithmetic for every year a 16-bit calendar year can hold, year 0 included.
// Our own arithmetic: the platform's date conversion covers only part of that range.
#pragma once

#include <cstdint>

namespace calendar {

inline constexpr int kFirstYear = INT16_MIN;  // -32768
inline constexpr int kLastYear = INT16_MAX;   // 32767

// Astronomical numbering: year 0 is the year before year 1, and the Gregorian rules run on through
// it into the negative years. Any int year works; a month outside 1..12 counts on into the next or
// back into the previous years (month 13 is January of the next year), and a day outside the month
// counts on from its first day (April 31 is May 1).
int Weekday(int year, int month, int day);  // 1 = Sunday ... 7 = Saturday
bool IsLeapYear(int year);
int DaysInMonth(int year, int month);

// Moves the shown month or year by delta. At either end of the 16-bit range the step stops at
// January -32768 or December 32767 (StepYear keeps the month) instead of wrapping to a year at the
// other end, so the calendar never shows a year it cannot hold. A month outside 1..12 on entry is
// brought into range first.
void StepMonth(std::int16_t& year, std::int16_t& month, int delta);
void StepYear(std::int16_t& year, int delta);

}  // namespace calendar
