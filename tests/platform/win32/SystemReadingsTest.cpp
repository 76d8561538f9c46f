// The bar's system readings on Windows against the real API: CPU counters, memory, drives, power,
// cursor, local time and the user's time and date formats.
#include "platform/win32/SystemReadings.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <string_view>

namespace {

using namespace platform::win32;
using platform::DriveSpace;
using platform::LocalTime;
using platform::MemoryStatus;
using platform::PixelPoint;
using platform::PowerStatus;

std::uint64_t FileTimeValue(const FILETIME& ft) {
    return (static_cast<std::uint64_t>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
}

std::uint64_t Difference(std::uint64_t a, std::uint64_t b) {
    return a > b ? a - b : b - a;
}

bool EndsWithBreakOrBlank(const std::string& text) {
    return !text.empty() && std::string_view(" \t\r\n").find(text.back()) != std::string_view::npos;
}

constexpr std::uint64_t kSecond = 10'000'000;  // in 100 ns units

TEST(CpuTimes, AgreeWithTheSystemsOwnFigures) {
    const auto times = QueryCpuTimes();
    ASSERT_TRUE(times.has_value());

    SYSTEM_INFO info{};
    ::GetSystemInfo(&info);
    EXPECT_GE(times->processors, 1u);
    EXPECT_EQ(times->processors, info.dwNumberOfProcessors);

    // The current time, not the boot time beside it in the record.
    FILETIME now{};
    ::GetSystemTimeAsFileTime(&now);
    EXPECT_LT(Difference(times->systemTime, FileTimeValue(now)), 2 * kSecond);

    // The idle time of all processors together, as GetSystemTimes adds it up.
    FILETIME idle{}, kernel{}, user{};
    ASSERT_TRUE(::GetSystemTimes(&idle, &kernel, &user));
    EXPECT_GT(times->idleTime, 0u);
    EXPECT_LT(Difference(times->idleTime, FileTimeValue(idle)), 2 * kSecond * times->processors);
}

TEST(CpuTimes, AdvanceOverABusyPeriod) {
    const auto before = QueryCpuTimes();
    ASSERT_TRUE(before.has_value());
    // Keep one processor busy for a moment, so at most the others can idle.
    const DWORD start = ::GetTickCount();
    volatile std::uint32_t spin = 0;
    while (::GetTickCount() - start < 300)
        spin = spin + 1;
    const auto after = QueryCpuTimes();
    ASSERT_TRUE(after.has_value());

    ASSERT_GT(after->systemTime, before->systemTime);
    const std::uint64_t elapsed = after->systemTime - before->systemTime;
    EXPECT_GE(elapsed, 250 * kSecond / 1000);
    EXPECT_LT(elapsed, 10 * kSecond);

    ASSERT_GE(after->idleTime, before->idleTime);
    // The idle counter ticks in whole scheduler ticks (up to 1/64 s on Windows, 1/100 s in Wine),
    // and the two records are not read at the same instant: allow one tick per processor.
    const std::uint64_t tick = kSecond / 64;
    EXPECT_LE(after->idleTime - before->idleTime, (elapsed + tick) * after->processors);
    EXPECT_EQ(after->processors, before->processors);
}

TEST(MemoryStatus, IsThePhysicalMemory) {
    const MemoryStatus m = QueryMemoryStatus();
    EXPECT_GT(m.availPhys, 0u);
    EXPECT_GT(m.totalPhys, m.availPhys);

    MEMORYSTATUSEX direct{};
    direct.dwLength = sizeof direct;
    ASSERT_TRUE(::GlobalMemoryStatusEx(&direct));
    EXPECT_EQ(m.totalPhys, direct.ullTotalPhys);
    // The free figure moves between the two reads; a wrong field (page file, virtual) would not
    // stay this close.
    EXPECT_LT(Difference(m.availPhys, direct.ullAvailPhys), direct.ullTotalPhys / 16);
}

TEST(DriveSpace, OfTheSystemDrive) {
    for (const char* letter : {"C", "c"}) {
        SCOPED_TRACE(letter);
        const DriveSpace d = QueryDriveSpace(letter);
        ASSERT_TRUE(d.ok) << d.error;
        EXPECT_TRUE(d.error.empty());
        EXPECT_GT(d.available, 0u);
        EXPECT_LE(d.available, d.total);
    }
}

TEST(DriveSpace, OnlyASingleLetterNamesADrive) {
    const std::string invalidDrive = SystemErrorText(ERROR_INVALID_DRIVE);
    EXPECT_FALSE(invalidDrive.empty());
    // Elements of the drive list are taken as written: blanks are not trimmed.
    for (const char* element : {"", "CD", " C", "C ", "C:", "1", "Ｃ"}) {
        SCOPED_TRACE(std::string("\"") + element + "\"");
        const DriveSpace d = QueryDriveSpace(element);
        EXPECT_FALSE(d.ok);
        EXPECT_EQ(d.error, invalidDrive);
        EXPECT_EQ(d.available, 0u);
        EXPECT_EQ(d.total, 0u);
    }
}

TEST(DriveSpace, AnUnusedLetterFailsWithTheSystemsText) {
    const DWORD drives = ::GetLogicalDrives();
    char unused = 0;
    for (char letter = 'Z'; letter >= 'D' && !unused; --letter) {
        if (!(drives & (1u << (letter - 'A'))))
            unused = letter;
    }
    if (!unused)
        GTEST_SKIP() << "every drive letter is in use";
    const DriveSpace d = QueryDriveSpace(std::string(1, unused));
    EXPECT_FALSE(d.ok);
    ASSERT_FALSE(d.error.empty());
    EXPECT_FALSE(EndsWithBreakOrBlank(d.error)) << '"' << d.error << '"';
}

TEST(SystemErrorText, HasNoTrailingLineBreak) {
    for (const DWORD code : {ERROR_INVALID_DRIVE, ERROR_PATH_NOT_FOUND, ERROR_NOT_READY}) {
        const std::string text = SystemErrorText(code);
        ASSERT_FALSE(text.empty());
        EXPECT_FALSE(EndsWithBreakOrBlank(text)) << '"' << text << '"';
        EXPECT_NE(text, SystemErrorText(ERROR_SUCCESS));
    }
}

TEST(SystemErrorText, NamesTheCodeTheSystemHasNoTextFor) {
    EXPECT_EQ(SystemErrorText(0x2000FFFF), "エラー 536936447");
}

TEST(PowerStatus, IsTheSystemsRecord) {
    const PowerStatus p = QueryPowerStatus();
    SYSTEM_POWER_STATUS direct{};
    ASSERT_TRUE(::GetSystemPowerStatus(&direct));
    EXPECT_EQ(p.acLineStatus, direct.ACLineStatus);
    EXPECT_EQ(p.batteryLifePercent, direct.BatteryLifePercent);
    EXPECT_TRUE(p.acLineStatus <= 1 || p.acLineStatus == 255);
    EXPECT_TRUE(p.batteryLifePercent <= 100 || p.batteryLifePercent == 255);
}

TEST(CursorPos, FollowsTheMouse) {
    POINT original{};
    if (!::GetCursorPos(&original) || !::SetCursorPos(123, 45))
        GTEST_SKIP() << "no display: the cursor cannot be moved (is DISPLAY set?)";
    EXPECT_EQ(QueryCursorPos(), (PixelPoint{123, 45}));
    ::SetCursorPos(67, 89);
    EXPECT_EQ(QueryCursorPos(), (PixelPoint{67, 89}));
    ::SetCursorPos(original.x, original.y);
}

TEST(LocalTime, IsACalendarDateWithItsWeekday) {
    const LocalTime t = QueryLocalTime();
    EXPECT_GE(t.year, 2020);
    EXPECT_GE(t.hour, 0);
    EXPECT_LE(t.hour, 23);
    EXPECT_LE(t.minute, 59);
    EXPECT_LE(t.second, 59);
    using namespace std::chrono;
    const year_month_day date{year{t.year}, month{static_cast<unsigned>(t.month)}, day{static_cast<unsigned>(t.day)}};
    ASSERT_TRUE(date.ok());
    // 0 is Sunday, as in SYSTEMTIME and in C++'s weekday.
    EXPECT_EQ(static_cast<unsigned>(t.dayOfWeek), weekday{sys_days{date}}.c_encoding());
}

// The user's formats vary (12 or 24 hours, order of day and month, two- or four-digit years),
// so the checks look only for the numbers every format shows.
TEST(FormatTimeOfDay, ShowsTheHourAndMinute) {
    const LocalTime t{2031, 10, 27, 11, 47, 38, 1};
    const std::string text = FormatTimeOfDay(t);
    EXPECT_NE(text.find("11"), std::string::npos) << text;
    EXPECT_NE(text.find("47"), std::string::npos) << text;

    LocalTime later = t;
    later.minute = 52;
    const std::string laterText = FormatTimeOfDay(later);
    EXPECT_NE(laterText.find("52"), std::string::npos) << laterText;
    EXPECT_NE(laterText, text);
}

TEST(FormatShortDate, ShowsTheDayMonthAndYear) {
    const std::string text = FormatShortDate(LocalTime{2031, 10, 27, 11, 47, 38, 1});
    EXPECT_NE(text.find("27"), std::string::npos) << text;
    EXPECT_NE(text.find("10"), std::string::npos) << text;
    EXPECT_NE(text.find("31"), std::string::npos) << text;
    EXPECT_EQ(text.find("47"), std::string::npos) << "the time has no place in a date: " << text;
}

TEST(FormatTimeAndDate, AreEmptyForValuesTheSystemRefuses) {
    EXPECT_EQ(FormatTimeOfDay(LocalTime{2031, 10, 27, 25, 0, 0, 1}), "");
    EXPECT_EQ(FormatTimeOfDay(LocalTime{2031, 10, 27, 65547, 47, 0, 1}), "");
    EXPECT_EQ(FormatShortDate(LocalTime{2031, 2, 30, 0, 0, 0, 0}), "");
}

}  // namespace
