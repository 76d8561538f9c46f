// Weekdays, leap years and month lengths over the whole 16-bit year range, and the month and year steps.
#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>

#include "calendar/CalendarDate.h"

namespace {

using calendar::DaysInMonth;
using calendar::IsLeapYear;
using calendar::Weekday;

TEST(CalendarDate, KnownWeekdays) {
    EXPECT_EQ(Weekday(2003, 10, 1), 4);  // Wednesday: October 2003 starts in the fourth column
    EXPECT_EQ(Weekday(1970, 1, 1), 5);
    EXPECT_EQ(Weekday(2000, 1, 1), 7);
    EXPECT_EQ(Weekday(2006, 12, 31), 1);
    EXPECT_EQ(Weekday(1582, 10, 15), 6);
    EXPECT_EQ(Weekday(1, 1, 1), 2);
    EXPECT_EQ(Weekday(0, 1, 1), 7);  // year 0 has 366 days
    EXPECT_EQ(Weekday(9999, 12, 31), 6);
}

TEST(CalendarDate, LeapYearsIncludingYearZeroAndNegativeYears) {
    for (int year : {2000, 2004, 1600, 0, -4, -400, -32768}) {
        EXPECT_TRUE(IsLeapYear(year)) << year;
    }
    for (int year : {2100, 2003, 1900, 1, -1, -100, -1900, 32767}) {
        EXPECT_FALSE(IsLeapYear(year)) << year;
    }
    EXPECT_EQ(DaysInMonth(2000, 2), 29);
    EXPECT_EQ(DaysInMonth(2004, 2), 29);
    EXPECT_EQ(DaysInMonth(2100, 2), 28);
    EXPECT_EQ(DaysInMonth(2003, 2), 28);
    EXPECT_EQ(DaysInMonth(-4, 2), 29);
    EXPECT_EQ(DaysInMonth(2003, 4), 30);
    EXPECT_EQ(DaysInMonth(2003, 12), 31);
}

TEST(CalendarDate, OutOfRangeMonthsAndDaysCountOn) {
    EXPECT_EQ(Weekday(2003, 4, 31), Weekday(2003, 5, 1));
    EXPECT_EQ(Weekday(2003, 1, 0), Weekday(2002, 12, 31));
    EXPECT_EQ(Weekday(2003, 13, 1), Weekday(2004, 1, 1));
    EXPECT_EQ(Weekday(2003, 0, 1), Weekday(2002, 12, 1));
    EXPECT_EQ(DaysInMonth(2003, 14), 29);  // February 2004
    EXPECT_EQ(DaysInMonth(1, -10), 29);    // February of year 0
}

// Every month from -32768 to 32767 starts on the weekday its predecessor's length leads to, and a
// 400-year cycle has 146097 days whichever year it starts at; anchored at a known date, this pins
// the weekday of every day in the range.
TEST(CalendarDate, WeekdaysRunOnAcrossTheWholeRange) {
    int expected = Weekday(calendar::kFirstYear, 1, 1);
    int failures = 0;
    for (int year = calendar::kFirstYear; year <= calendar::kLastYear && failures < 5; ++year) {
        for (int month = 1; month <= 12; ++month) {
            if (Weekday(year, month, 1) != expected) {
                ADD_FAILURE() << year << "/" << month << "/1";
                ++failures;
            }
            expected = (expected - 1 + DaysInMonth(year, month)) % 7 + 1;
        }
    }
    for (int start : {-32768, -400, -1, 0, 1, 2000}) {
        int days = 0;
        for (int year = start; year < start + 400; ++year) {
            for (int month = 1; month <= 12; ++month) {
                days += DaysInMonth(year, month);
            }
        }
        EXPECT_EQ(days, 146097) << start;
    }
}

struct Shown {
    int year;
    int month;
    bool operator==(const Shown&) const = default;
    friend void PrintTo(const Shown& s, std::ostream* os) { *os << s.year << "/" << s.month; }
};

Shown AfterMonths(std::int16_t year, std::int16_t month, int delta) {
    calendar::StepMonth(year, month, delta);
    return {year, month};
}

int AfterYears(std::int16_t year, int delta) {
    calendar::StepYear(year, delta);
    return year;
}

TEST(CalendarDateStep, MonthsCrossYearEnds) {
    EXPECT_EQ(AfterMonths(2003, 1, -1), (Shown{2002, 12}));
    EXPECT_EQ(AfterMonths(2003, 12, 1), (Shown{2004, 1}));
    EXPECT_EQ(AfterMonths(0, 1, -1), (Shown{-1, 12}));
    EXPECT_EQ(AfterMonths(-1, 12, 1), (Shown{0, 1}));
    EXPECT_EQ(AfterMonths(2003, 1, -25), (Shown{2000, 12}));
    EXPECT_EQ(AfterMonths(2003, 13, 0), (Shown{2004, 1}));  // a month out of range is brought in
}

TEST(CalendarDateStep, StopsAtTheEndsOfTheSixteenBitRange) {
    EXPECT_EQ(AfterMonths(32767, 12, 1), (Shown{32767, 12}));
    EXPECT_EQ(AfterMonths(32767, 11, 1), (Shown{32767, 12}));
    EXPECT_EQ(AfterMonths(-32768, 1, -1), (Shown{-32768, 1}));
    EXPECT_EQ(AfterMonths(-32768, 2, -1), (Shown{-32768, 1}));
    EXPECT_EQ(AfterMonths(-32768, 1, 1), (Shown{-32768, 2}));
    EXPECT_EQ(AfterMonths(0, 6, 1 << 30), (Shown{32767, 12}));
    EXPECT_EQ(AfterMonths(0, 6, -(1 << 30)), (Shown{-32768, 1}));

    EXPECT_EQ(AfterYears(0, -1), -1);
    EXPECT_EQ(AfterYears(32767, 1), 32767);
    EXPECT_EQ(AfterYears(32766, 1), 32767);
    EXPECT_EQ(AfterYears(-32768, -1), -32768);
    EXPECT_EQ(AfterYears(-32768, 1), -32767);
    EXPECT_EQ(AfterYears(100, 1 << 30), 32767);
}

}  // namespace
