// Day counts from a fixed origin: weekdays and month lengths without the platform's date conversion.
#include "calendar/CalendarDate.h"

#include <algorithm>

namespace calendar {
namespace {

// C++ division truncates toward zero; dates before the origin need floor division.
constexpr long long FloorDiv(long long a, long long b) {
    return a / b - ((a % b != 0 && (a < 0) != (b < 0)) ? 1 : 0);
}

constexpr long long FloorMod(long long a, long long b) {
    return a - FloorDiv(a, b) * b;
}

struct YearMonth {
    long long year;
    int month;  // 1..12
};

constexpr YearMonth Normalise(long long year, long long month) {
    return {year + FloorDiv(month - 1, 12), static_cast<int>(FloorMod(month - 1, 12)) + 1};
}

// Days since 1970-01-01. Years start in March so that the leap day ends the year, and 400-year
// cycles of 146097 days keep everything but the cycle number small and non-negative.
constexpr long long DaysFromOrigin(YearMonth ym, long long day) {
    const long long y = ym.year - (ym.month <= 2 ? 1 : 0);
    const long long cycle = FloorDiv(y, 400);
    const long long yearOfCycle = y - cycle * 400;                                // 0..399
    const long long monthFromMarch = ym.month > 2 ? ym.month - 3 : ym.month + 9;  // 0..11
    const long long dayOfYear = (153 * monthFromMarch + 2) / 5 + day - 1;
    const long long dayOfCycle = yearOfCycle * 365 + yearOfCycle / 4 - yearOfCycle / 100 + dayOfYear;
    return cycle * 146097 + dayOfCycle - 719468;
}

constexpr int kMonthDays[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

}  // namespace

int Weekday(int year, int month, int day) {
    // 1970-01-01 was a Thursday (5).
    return static_cast<int>(FloorMod(DaysFromOrigin(Normalise(year, month), day) + 4, 7)) + 1;
}

bool IsLeapYear(int year) {
    // A zero remainder is the same for truncating and floor division, so negative years need nothing more.
    return year % 400 == 0 || (year % 4 == 0 && year % 100 != 0);
}

int DaysInMonth(int year, int month) {
    const YearMonth ym = Normalise(year, month);
    // The leap rule repeats every 400 years; a month far outside 1..12 may carry the year past int.
    if (ym.month == 2 && IsLeapYear(static_cast<int>(FloorMod(ym.year, 400)))) {
        return 29;
    }
    return kMonthDays[ym.month];
}

void StepMonth(std::int16_t& year, std::int16_t& month, int delta) {
    const long long first = static_cast<long long>(kFirstYear) * 12;
    const long long last = static_cast<long long>(kLastYear) * 12 + 11;
    const long long index = std::clamp(static_cast<long long>(year) * 12 + (month - 1) + delta, first, last);
    year = static_cast<std::int16_t>(FloorDiv(index, 12));
    month = static_cast<std::int16_t>(FloorMod(index, 12) + 1);
}

void StepYear(std::int16_t& year, int delta) {
    year = static_cast<std::int16_t>(std::clamp(static_cast<long long>(year) + delta,
                                                static_cast<long long>(kFirstYear), static_cast<long long>(kLastYear)));
}

}  // namespace calendar
