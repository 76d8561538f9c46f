// The holiday test: the law's days over every date from 1955 to 2050 against the list in the test
// data, the edges of the law's years, and the user's two lists matched as text.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "calendar/CalendarDate.h"
#include "calendar/basHoliday.h"
#include "core/AppSettings.h"

namespace {

using Days = std::vector<int>;

class Holiday : public ::testing::Test {
protected:
    Holiday() { UseLists("", ""); }
    ~Holiday() override { core::AppSettings = saved_; }

    static void UseLists(const std::string& fixed, const std::string& nthWeekday) {
        core::AppSettings.CalendarHoliday1 = fixed;
        core::AppSettings.CalendarHoliday2 = nthWeekday;
    }
    // Asks about one day of a real month, as the calendar does; "" for no holiday.
    static std::string Name(int year, int month, int day) {
        const char* name = basHoliday::HolidayName(static_cast<std::int16_t>(year), static_cast<std::int16_t>(month),
                                                   static_cast<std::int16_t>(day),
                                                   static_cast<std::int16_t>(calendar::DaysInMonth(year, month)));
        return name ? name : "";
    }
    static Days Marked(int year, int month) {
        Days days;
        for (int d = 1; d <= calendar::DaysInMonth(year, month); ++d) {
            if (!Name(year, month, d).empty())
                days.push_back(d);
        }
        return days;
    }

private:
    core::Settings saved_ = core::AppSettings;
};

// tests/data/national-holidays.txt: "YYYY-MM-DD name" per line, # starts a comment.
std::map<std::tuple<int, int, int>, std::string> OfficialDays() {
    std::map<std::tuple<int, int, int>, std::string> days;
    std::ifstream in(VIGILON_TEST_DATA "/national-holidays.txt");
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        int y = 0, m = 0, d = 0;
        char name[64] = {};
        if (std::sscanf(line.c_str(), "%d-%d-%d %63s", &y, &m, &d, name) != 4)
            ADD_FAILURE() << "unreadable line: " << line;
        days[{y, m, d}] = name;
    }
    return days;
}

TEST_F(Holiday, EveryDayFrom1955To2050IsTheLawsDay) {
    const auto official = OfficialDays();
    ASSERT_GT(official.size(), 1400u);
    int named = 0;
    for (int y = 1955; y <= 2050; ++y) {
        for (int m = 1; m <= 12; ++m) {
            for (int d = 1; d <= calendar::DaysInMonth(y, m); ++d) {
                const auto found = official.find({y, m, d});
                const std::string want = found == official.end() ? "" : found->second;
                EXPECT_EQ(Name(y, m, d), want) << y << "-" << m << "-" << d;
                named += want.empty() ? 0 : 1;
            }
        }
    }
    EXPECT_EQ(named, static_cast<int>(official.size()));  // no line of the list lies outside a real date
}

TEST_F(Holiday, TheLawsYearsBeginAndEnd) {
    const struct {
        int year, month, day;
        const char* name;
    } days[] = {
        // clang-format off
        {1948, 5, 3, ""},  // before the law took effect on 7/20
        {1948, 9, 23, "秋分の日"},
        {1973, 2, 12, ""},  // 2/11 a Sunday, before the substitute rule of 4/12
        {1986, 5, 4, ""},  // between two holidays, but a Sunday
        {2054, 9, 22, "国民の休日"},
        {2099, 9, 22, "国民の休日"},  // 敬老の日 on 9/21, 秋分の日 on 9/23 by the formula of 1980-2099
        {2100, 3, 20, "春分の日"}, {2100, 9, 23, "秋分の日"},  // the formula of 2100-2150
        {2151, 3, 20, ""}, {2151, 3, 21, ""},  // no formula known
        // The last year the calendar holds: no holiday after it is asked about.
        {32767, 12, 23, ""}, {32767, 12, 31, ""},
    };
    // clang-format on
    for (const auto& d : days)
        EXPECT_EQ(Name(d.year, d.month, d.day), d.name) << d.year << "-" << d.month << "-" << d.day;
}

TEST_F(Holiday, UserListsAddTheirDaysNamedAsDaysOff) {
    UseLists(core::kDefaultHolidays1, core::kDefaultHolidays2);
    EXPECT_EQ(Marked(2026, 12), (Days{29, 30, 31}));  // no 12/23 since 2019
    EXPECT_EQ(Name(2026, 12, 29), "休日");
    UseLists("1/1,6/1", "6-1-2");  // a day the law has keeps the law's name
    EXPECT_EQ(Name(2026, 1, 1), "元日");
    EXPECT_EQ(Name(2026, 6, 1), "休日");
    EXPECT_EQ(Marked(2003, 6), (Days{1, 2}));  // 6/2/2003 the first Monday
}

TEST_F(Holiday, EntriesMatchOnlyAsWrittenAndMalformedOnesNever) {
    UseLists("11/1,01/01, 1/2,1/2 ,1/11", "");  // first and last entries count, without commas around them
    EXPECT_EQ(Marked(2003, 1), (Days{1, 11, 13}));
    EXPECT_EQ(Name(2003, 11, 1), "休日");
    UseLists(",,abc,/,1//1,1/1/1,13/1,0/0,1/0,1/32,-1/-1,,", "--,1-2,1-2-2-2,01-2-2,1-0-0,1-6-2,,");
    EXPECT_EQ(Marked(2003, 1), (Days{1, 13}));  // the law's days only
    EXPECT_EQ(Marked(2003, 6), (Days{}));
    // The lists are read at every call (the first list's change is seen just above).
    UseLists("", "6-1-2");
    EXPECT_EQ(Name(2003, 6, 2), "休日");
    UseLists("", "");
    EXPECT_EQ(Name(2003, 6, 2), "");
}

TEST_F(Holiday, WeekNumberCountsOccurrencesNotGridRows) {
    UseLists("", "6-5-2,6-4-2,8-2-3");
    EXPECT_EQ(Marked(2003, 6), (Days{23, 30}));  // Mondays 2, 9, 16, 23, 30
    EXPECT_EQ(Marked(2005, 6), (Days{27}));      // Mondays 6, 13, 20, 27: no fifth
    EXPECT_EQ(Marked(2003, 8), (Days{12}));      // the second Tuesday
}

TEST_F(Holiday, DaysOutsideTheMonthAndNearTheSixteenBitLimitAreNoHoliday) {
    UseLists("12/31,1/32767,1/-32767", "");
    // Beyond the given length, months outside the year, and the day as text for a month of any length.
    using I16 = std::int16_t;
    const std::tuple<I16, I16, I16, I16, bool> days[] = {{2006, 12, 31, 30, false},    {2006, 0, 1, 31, false},
                                                         {2006, 13, 1, 31, false},     {2003, 1, 32767, 32767, true},
                                                         {2003, 1, -32767, 31, false}, {-32768, 1, 1, 31, false},
                                                         {32767, 12, 31, 31, true}};
    for (const auto& [y, m, d, length, holiday] : days)
        EXPECT_EQ(basHoliday::IsHoliday(y, m, d, length), holiday) << y << "/" << m << "/" << d;
}

}  // namespace
