// Weekdays, leap years and month lengths over the whole 16-bit year range, and the month and year steps.
#include <gtest/gtest.h>

#include <cstdint>
#include <utility>

#include "calendar/CalendarDate.h"

namespace {

using calendar::DaysInMonth;
using calendar::Weekday;

TEST(CalendarDate, WeekdaysAndMonthLengths) {
    EXPECT_EQ(Weekday(2003, 10, 1), 4);  // Wednesday: October 2003 starts in the fourth column
    const struct {
        int year, february;
    } years[] = {{2000, 29}, {2004, 29}, {2100, 28}, {2003, 28}, {0, 29}, {-4, 29}, {-100, 28}, {-400, 29}};
    for (const auto& y : years) {
        EXPECT_EQ(DaysInMonth(y.year, 2), y.february) << y.year;
        EXPECT_EQ(calendar::IsLeapYear(y.year), y.february == 29) << y.year;
    }
    // Months and days outside their range count on into the next or back into the previous year.
    EXPECT_EQ(Weekday(2003, 4, 31), Weekday(2003, 5, 1));
    EXPECT_EQ(Weekday(2003, 0, 1), Weekday(2002, 12, 1));
    EXPECT_EQ(DaysInMonth(2003, 14), 29);  // February 2004
    EXPECT_EQ(DaysInMonth(1, -10), 29);    // February of year 0
}

// Every month from -32768 to 32767 starts on the weekday its predecessor's length leads to, and a
// 400-year cycle has 146097 days whichever year it starts at; anchored at a known date, this pins
// the weekday of every day in the range.
TEST(CalendarDate, WeekdaysRunOnAcrossTheWholeRange) {
    int expected = Weekday(calendar::kFirstYear, 1, 1);
    for (int year = calendar::kFirstYear; year <= calendar::kLastYear; ++year) {
        for (int month = 1; month <= 12; ++month) {
            ASSERT_EQ(Weekday(year, month, 1), expected) << year << "/" << month << "/1";
            expected = (expected - 1 + DaysInMonth(year, month)) % 7 + 1;
        }
    }
    for (int start : {-32768, -400, -1, 0, 1, 2000}) {
        int days = 0;
        for (int year = start; year < start + 400; ++year) {
            for (int month = 1; month <= 12; ++month)
                days += DaysInMonth(year, month);
        }
        EXPECT_EQ(days, 146097) << start;
    }
}

TEST(CalendarDate, StepsCrossYearEndsAndStopAtTheEndsOfTheSixteenBitRange) {
    const struct {
        int year, month, delta, toYear, toMonth;
    } months[] = {
        {2003, 1, -1, 2002, 12},      {2003, 12, 1, 2004, 1},     {0, 1, -1, -1, 12},        {-1, 12, 1, 0, 1},
        {2003, 1, -25, 2000, 12},     {2003, 13, 0, 2004, 1},     {32767, 12, 1, 32767, 12}, {32767, 11, 1, 32767, 12},
        {-32768, 1, -1, -32768, 1},   {-32768, 2, -1, -32768, 1}, {-32768, 1, 1, -32768, 2}, {0, 6, 1 << 30, 32767, 12},
        {0, 6, -(1 << 30), -32768, 1}};
    for (const auto& m : months) {
        auto year = static_cast<std::int16_t>(m.year), month = static_cast<std::int16_t>(m.month);
        calendar::StepMonth(year, month, m.delta);
        EXPECT_EQ(std::pair(int{year}, int{month}), std::pair(m.toYear, m.toMonth)) << m.year << "/" << m.month;
    }
    const int years[][3] = {{0, -1, -1},          {32767, 1, 32767},   {32766, 1, 32767},
                            {-32768, -1, -32768}, {-32768, 1, -32767}, {100, 1 << 30, 32767}};
    for (const auto& [from, delta, to] : years) {
        auto year = static_cast<std::int16_t>(from);
        calendar::StepYear(year, delta);
        EXPECT_EQ(year, to) << from << " " << delta;
    }
}

}  // namespace
