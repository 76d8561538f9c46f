// Japan's national holidays and the days off the holiday law adds to them, by the law as amended up
// to the changes of 2021: every rule with the dates it applies between, kept as a table.
#pragma once

namespace calendar {

// The name of the national holiday (元日, 春分の日, ...) or of the day off the law gives (振替休日,
// 国民の休日) on the date; nullptr when the law has none. Before the law took effect on 1948-07-20
// there is none; the equinox days are known from formulas for the years to 2150 only. Any int year,
// month and day are safe: a date that does not exist, or lies after the year 32767, has none.
const char* NationalHolidayName(int year, int month, int day);

}  // namespace calendar
