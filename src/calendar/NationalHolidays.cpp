// The holiday law as data: which day each national holiday falls on and the dates each rule held
// between, the equinox formulas by era, and the two rules that add days off (substitute holiday and
// citizens' holiday), each in the forms it has had. A change of the law is a new or ended row here.
#include "calendar/NationalHolidays.h"

#include <climits>
#include <cstddef>

#include "calendar/CalendarDate.h"

namespace calendar {
namespace {

// Dates as year * 10000 + month * 100 + day: they compare in calendar order.
using DateKey = long long;
constexpr DateKey kForever = LLONG_MAX;
constexpr DateKey kLawInForce = 1948'07'20;  // the holiday law took effect
constexpr int kLawYear = 1948;

enum class Falls {
    OnDate,       // month/day
    OnNthMonday,  // the n-th Monday of month
    OnVernalEquinox,
    OnAutumnalEquinox,
};

struct HolidayRule {
    DateKey from;
    DateKey until;  // both inclusive
    Falls falls;
    int month;
    int dayOrWeek;  // the day (OnDate), the week n (OnNthMonday), unused for the equinoxes
    const char* name;
};

constexpr HolidayRule OneOff(DateKey date, const char* name) {
    return {date, date, Falls::OnDate, static_cast<int>(date / 100 % 100), static_cast<int>(date % 100), name};
}

constexpr HolidayRule kHolidays[] = {
    {kLawInForce, kForever, Falls::OnDate, 1, 1, "元日"},
    {kLawInForce, 1999'12'31, Falls::OnDate, 1, 15, "成人の日"},
    {2000'01'01, kForever, Falls::OnNthMonday, 1, 2, "成人の日"},
    {1966'12'09, kForever, Falls::OnDate, 2, 11, "建国記念の日"},  // the date set by cabinet order
    {2019'05'01, kForever, Falls::OnDate, 2, 23, "天皇誕生日"},
    {kLawInForce, kForever, Falls::OnVernalEquinox, 3, 0, "春分の日"},
    {kLawInForce, 1989'02'16, Falls::OnDate, 4, 29, "天皇誕生日"},
    {1989'02'17, 2006'12'31, Falls::OnDate, 4, 29, "みどりの日"},
    {2007'01'01, kForever, Falls::OnDate, 4, 29, "昭和の日"},
    {kLawInForce, kForever, Falls::OnDate, 5, 3, "憲法記念日"},
    {2007'01'01, kForever, Falls::OnDate, 5, 4, "みどりの日"},
    {kLawInForce, kForever, Falls::OnDate, 5, 5, "こどもの日"},
    {1996'01'01, 2002'12'31, Falls::OnDate, 7, 20, "海の日"},
    {2003'01'01, 2019'12'31, Falls::OnNthMonday, 7, 3, "海の日"},
    {2022'01'01, kForever, Falls::OnNthMonday, 7, 3, "海の日"},
    {2016'01'01, 2019'12'31, Falls::OnDate, 8, 11, "山の日"},
    {2022'01'01, kForever, Falls::OnDate, 8, 11, "山の日"},
    {1966'06'25, 2002'12'31, Falls::OnDate, 9, 15, "敬老の日"},
    {2003'01'01, kForever, Falls::OnNthMonday, 9, 3, "敬老の日"},
    {kLawInForce, kForever, Falls::OnAutumnalEquinox, 9, 0, "秋分の日"},
    {1966'06'25, 1999'12'31, Falls::OnDate, 10, 10, "体育の日"},
    {2000'01'01, 2019'12'31, Falls::OnNthMonday, 10, 2, "体育の日"},
    {2022'01'01, kForever, Falls::OnNthMonday, 10, 2, "スポーツの日"},
    {kLawInForce, kForever, Falls::OnDate, 11, 3, "文化の日"},
    {kLawInForce, kForever, Falls::OnDate, 11, 23, "勤労感謝の日"},
    {1989'02'17, 2019'04'30, Falls::OnDate, 12, 23, "天皇誕生日"},
    // Days of their own acts.
    OneOff(1959'04'10, "皇太子明仁親王の結婚の儀"),
    OneOff(1989'02'24, "昭和天皇の大喪の礼"),
    OneOff(1990'11'12, "即位礼正殿の儀"),
    OneOff(1993'06'09, "皇太子徳仁親王の結婚の儀"),
    OneOff(2019'05'01, "天皇の即位の日"),
    OneOff(2019'10'22, "即位礼正殿の儀"),
    // The Olympic Games' years: three holidays moved, in 2021 山の日 onto a Sunday.
    OneOff(2020'07'23, "海の日"),
    OneOff(2020'07'24, "スポーツの日"),
    OneOff(2020'08'10, "山の日"),
    OneOff(2021'07'22, "海の日"),
    OneOff(2021'07'23, "スポーツの日"),
    OneOff(2021'08'08, "山の日"),
};

// The day of the equinox in its month: trunc(base + 0.242194 (year - 1980)) - trunc((year - origin) / 4),
// with the constants of the era the year lies in. These give the official days of every year since
// the law began; for the years to 2099 the formula is the same as ⌊base + 0.242194 (year - 1980) -
// ⌊(year - 1980) / 4⌋⌋.
struct EquinoxEra {
    int firstYear;
    int lastYear;
    double vernalBase;
    double autumnalBase;
    int leapOrigin;
};

constexpr EquinoxEra kEquinoxEras[] = {
    {1900, 1979, 20.8357, 23.2588, 1983},
    {1980, 2099, 20.8431, 23.2488, 1980},
    {2100, 2150, 21.8510, 24.2488, 1980},
};

enum class SubstituteForm {
    NextDay,          // the day after a holiday on a Sunday, unless that is a holiday itself
    FirstNonHoliday,  // the first day after a holiday on a Sunday that is not a holiday
};

struct SubstituteRule {
    DateKey from;  // of the Sunday
    DateKey until;
    SubstituteForm form;
};

constexpr SubstituteRule kSubstituteRules[] = {
    {1973'04'12, 2006'12'31, SubstituteForm::NextDay},
    {2007'01'01, kForever, SubstituteForm::FirstNonHoliday},
};

enum class BetweenForm {
    NotSunday,  // a day between two holidays, unless a Sunday (or a substitute holiday)
    AnyDay,     // a day between two holidays that is not a holiday itself
};

struct CitizensHolidayRule {
    DateKey from;
    DateKey until;
    BetweenForm form;
};

constexpr CitizensHolidayRule kCitizensHolidayRules[] = {
    {1985'12'27, 2006'12'31, BetweenForm::NotSunday},
    {2007'01'01, kForever, BetweenForm::AnyDay},
};

struct Date {
    int year;
    int month;
    int day;
};

DateKey KeyOf(Date d) {
    return static_cast<DateKey>(d.year) * 10000 + d.month * 100 + d.day;
}

Date DayBefore(Date d) {
    if (d.day > 1)
        return {d.year, d.month, d.day - 1};
    if (d.month > 1)
        return {d.year, d.month - 1, DaysInMonth(d.year, d.month - 1)};
    return {d.year - 1, 12, 31};
}

Date DayAfter(Date d) {
    if (d.day < DaysInMonth(d.year, d.month))
        return {d.year, d.month, d.day + 1};
    if (d.month < 12)
        return {d.year, d.month + 1, 1};
    return {d.year + 1, 1, 1};
}

bool IsSunday(Date d) {
    return Weekday(d.year, d.month, d.day) == 1;
}

int EquinoxDay(int year, bool autumn) {
    for (const EquinoxEra& era : kEquinoxEras) {
        if (year >= era.firstYear && year <= era.lastYear) {
            const double base = autumn ? era.autumnalBase : era.vernalBase;
            return static_cast<int>(base + 0.242194 * (year - 1980)) - (year - era.leapOrigin) / 4;
        }
    }
    return 0;  // no formula: no equinox holiday
}

bool FallsOn(const HolidayRule& rule, Date d) {
    switch (rule.falls) {
        case Falls::OnDate:
            return d.day == rule.dayOrWeek;
        case Falls::OnNthMonday:
            return Weekday(d.year, d.month, d.day) == 2 && (d.day - 1) / 7 + 1 == rule.dayOrWeek;
        case Falls::OnVernalEquinox:
            return d.day == EquinoxDay(d.year, false);
        case Falls::OnAutumnalEquinox:
            return d.day == EquinoxDay(d.year, true);
    }
    return false;
}

// The national holiday itself ("国民の祝日"), without the days off the law adds.
const char* HolidayOn(Date d) {
    const DateKey key = KeyOf(d);
    for (const HolidayRule& rule : kHolidays) {
        if (key >= rule.from && key <= rule.until && d.month == rule.month && FallsOn(rule, d))
            return rule.name;
    }
    return nullptr;
}

template <typename Rule, std::size_t N>
const Rule* InForce(const Rule (&rules)[N], DateKey key) {
    for (const Rule& rule : rules) {
        if (key >= rule.from && key <= rule.until)
            return &rule;
    }
    return nullptr;
}

// d is no holiday itself. Walks back over the holidays right before it: a Sunday among them makes d
// its substitute, in the first form only when it is the day just before.
bool IsSubstituteHoliday(Date d) {
    Date before = DayBefore(d);
    // A run of holidays longer than a week holds a Sunday whose substitute lies inside the run.
    for (int step = 0; step < 7 && HolidayOn(before); ++step, before = DayBefore(before)) {
        if (!IsSunday(before))
            continue;
        const SubstituteRule* rule = InForce(kSubstituteRules, KeyOf(before));
        if (rule && (rule->form == SubstituteForm::FirstNonHoliday || step == 0))
            return true;
    }
    return false;
}

// d is no holiday and no substitute holiday (which the first form leaves out).
bool IsCitizensHoliday(Date d) {
    const CitizensHolidayRule* rule = InForce(kCitizensHolidayRules, KeyOf(d));
    if (!rule || !HolidayOn(DayBefore(d)) || !HolidayOn(DayAfter(d)))
        return false;
    return rule->form == BetweenForm::AnyDay || !IsSunday(d);
}

}  // namespace

const char* NationalHolidayName(int year, int month, int day) {
    if (year < kLawYear || year > kLastYear || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month))
        return nullptr;
    const Date d{year, month, day};
    if (const char* name = HolidayOn(d))
        return name;
    if (IsSubstituteHoliday(d))
        return "振替休日";
    if (IsCitizensHoliday(d))
        return "国民の休日";
    return nullptr;
}

}  // namespace calendar
