// Holiday rules with the default and hand-written lists: text matching, equinoxes and the day-after marks.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calendar/CalendarDate.h"
#include "calendar/basHoliday.h"
#include "core/AppSettings.h"

namespace {

using Days = std::vector<int>;

class Holiday : public ::testing::Test {
protected:
    Holiday() { UseLists(core::kDefaultHolidays1, core::kDefaultHolidays2); }
    ~Holiday() override { core::AppSettings = saved_; }

    static void UseLists(const std::string& fixed, const std::string& nthWeekday) {
        core::AppSettings.CalendarHoliday1 = fixed;
        core::AppSettings.CalendarHoliday2 = nthWeekday;
    }
    // Asks about one day of a real month, as the calendar does.
    static bool Is(int year, int month, int day, bool* next = nullptr) {
        bool ignored = false;
        return basHoliday::IsHoliday(
            static_cast<std::int16_t>(year), static_cast<std::int16_t>(month), static_cast<std::int16_t>(day),
            static_cast<std::int16_t>(calendar::DaysInMonth(year, month)), next ? *next : ignored);
    }
    // The days the calendar marks red when it draws the month: a holiday, or a day the previous one flagged.
    static Days Marked(int year, int month) {
        Days days;
        bool flagged = false;
        for (int d = 1; d <= calendar::DaysInMonth(year, month); ++d) {
            bool next = false;
            if (Is(year, month, d, &next) || flagged)
                days.push_back(d);
            flagged = next;
        }
        return days;
    }

private:
    core::Settings saved_ = core::AppSettings;
};

TEST_F(Holiday, DefaultListsOverAYear) {
    EXPECT_EQ(Marked(2003, 1), (Days{1, 13}));  // 1/6 is the first Monday, not the second
    EXPECT_EQ(Marked(2003, 2), (Days{11}));
    EXPECT_EQ(Marked(2003, 3), (Days{21}));
    EXPECT_EQ(Marked(2003, 5), (Days{3, 4, 5}));  // 5/4 lies between two holidays
    EXPECT_EQ(Marked(2003, 7), (Days{20, 21}));   // 7/20 is a Sunday
    EXPECT_EQ(Marked(2003, 9), (Days{15, 23}));
    EXPECT_EQ(Marked(2003, 10), (Days{13}));
    EXPECT_EQ(Marked(2003, 11), (Days{3, 23, 24}));  // 11/23 is a Sunday
    EXPECT_EQ(Marked(2003, 12), (Days{29, 30, 31}));
}

TEST_F(Holiday, EquinoxDays) {
    // 1979: floor(20.8431 - 0.242194 - floor(-1/4)) = floor(21.600906) = 21, and 24 in September;
    // dividing toward zero would give 20 and 23.
    const struct {
        int year, month, day;
        bool holiday;
    } days[] = {{2003, 3, 21, true},  {2003, 9, 23, true},  {1980, 3, 20, true},  {1980, 9, 23, true},
                {2004, 3, 20, true},  {2012, 9, 22, true},  {1979, 3, 21, true},  {1979, 9, 24, true},
                {2003, 3, 20, false}, {2003, 9, 22, false}, {1979, 3, 20, false}, {1979, 9, 23, false},
                {2003, 4, 21, false}, {2003, 10, 23, false}};
    for (const auto& d : days)
        EXPECT_EQ(Is(d.year, d.month, d.day), d.holiday) << d.year << "/" << d.month << "/" << d.day;
}

TEST_F(Holiday, EntriesMatchOnlyAsWrittenAndMalformedOnesNever) {
    UseLists("11/1,01/01, 1/1,1/1 ,1/11", "");  // first and last entries count, without commas around them
    EXPECT_EQ(Marked(2003, 1), (Days{11}));
    EXPECT_TRUE(Is(2003, 11, 1));
    UseLists(",,abc,/,1//1,1/1/1,13/1,0/0,1/0,1/32,-1/-1,,", "--,1-2,1-2-2-2,01-2-2,1-0-0,1-6-2,,");
    for (int month = 1; month <= 12; ++month) {
        const Days equinox = month == 3 ? Days{21} : month == 9 ? Days{23} : Days{};
        EXPECT_EQ(Marked(2003, month), equinox) << month;
    }
    // The lists are read at every call (the first list's change is seen just above).
    UseLists("", "6-1-2");
    EXPECT_TRUE(Is(2003, 6, 2));
    UseLists("", "");
    EXPECT_FALSE(Is(2003, 6, 2));
}

TEST_F(Holiday, WeekNumberCountsOccurrencesNotGridRows) {
    UseLists("", "3-5-2,3-4-2,1-2-2");
    EXPECT_EQ(Marked(2003, 3), (Days{21, 24, 31}));  // Mondays 3, 10, 17, 24, 31
    EXPECT_EQ(Marked(2005, 3), (Days{20, 21, 28}));  // Mondays 7, 14, 21, 28: no fifth; 3/20 a Sunday
    EXPECT_FALSE(Is(2003, 1, 14));                   // a Tuesday in week 2
}

// The day-after flag at the month end, near the 16-bit limit and along a chain; within a month the
// default lists above cover it.
TEST_F(Holiday, MonthEndStopsTheLookAheadAndDaysNearTheSixteenBitLimitDoNotWrap) {
    bool next = false;
    EXPECT_TRUE(Is(2006, 12, 31, &next));  // Sunday on the last day: flagged for a day not drawn
    EXPECT_TRUE(next);
    UseLists("12/31,12/33", "");
    next = false;
    EXPECT_TRUE(Is(2003, 12, 31, &next));  // Wednesday; 12/33 lies past the month end
    EXPECT_FALSE(next);
    EXPECT_FALSE(basHoliday::IsHoliday(2006, 12, 31, 30, next));  // beyond the given length
    EXPECT_FALSE(next);
    // Two days after 32767 would wrap to -32767 in 16 bits.
    UseLists("1/32767,1/-32767", "");
    EXPECT_TRUE(basHoliday::IsHoliday(2003, 1, 32767, 32767, next));  // a Tuesday
    EXPECT_FALSE(next);
    EXPECT_FALSE(basHoliday::IsHoliday(2003, 1, -32767, 31, next));
    EXPECT_FALSE(next);
    UseLists("5/1,5/3,5/5,5/7", "");
    EXPECT_EQ(Marked(2003, 5), (Days{1, 2, 3, 4, 5, 6, 7}));  // a chain marks every day between
}

}  // namespace
