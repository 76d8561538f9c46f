// The bar's system readings on Windows against the real API: CPU counters, memory, drives, error texts
// and the user's time and date formats.
#include "platform/win32/SystemReadings.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace platform::win32;

std::uint64_t Distance(std::uint64_t a, std::uint64_t b) {
    return a > b ? a - b : b - a;
}

std::uint64_t Value(const FILETIME& ft) {
    return (static_cast<std::uint64_t>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
}

constexpr std::uint64_t kSecond = 10'000'000;  // in 100 ns units

// The three records are sized for the pointer width; a wrong size would be refused and give nothing.
TEST(CpuTimes, AreTheSystemsFiguresAndAdvance) {
    const auto before = QueryCpuTimes();
    ASSERT_TRUE(before.has_value());
    SYSTEM_INFO info{};
    ::GetSystemInfo(&info);
    EXPECT_GE(before->processors, 1u);
    EXPECT_EQ(before->processors, info.dwNumberOfProcessors);
    FILETIME now{}, idle{}, kernel{}, user{};
    ::GetSystemTimeAsFileTime(&now);
    ASSERT_TRUE(::GetSystemTimes(&idle, &kernel, &user));
    // The current time, not the boot time beside it; the idle time of all processors together.
    EXPECT_LT(Distance(before->systemTime, Value(now)), 2 * kSecond);
    EXPECT_GT(before->idleTime, 0u);
    EXPECT_LT(Distance(before->idleTime, Value(idle)), 2 * kSecond * before->processors);

    ::Sleep(300);
    const auto after = QueryCpuTimes();
    ASSERT_TRUE(after.has_value());
    ASSERT_GT(after->systemTime, before->systemTime);
    const std::uint64_t elapsed = after->systemTime - before->systemTime;
    EXPECT_GE(elapsed, 250 * kSecond / 1000);
    EXPECT_LT(elapsed, 10 * kSecond);
    ASSERT_GE(after->idleTime, before->idleTime);
    // The idle counter ticks in whole scheduler ticks (up to 1/64 s on Windows, 1/100 s in Wine),
    // and the two records are not read at the same instant: allow one tick per processor.
    EXPECT_LE(after->idleTime - before->idleTime, (elapsed + kSecond / 64) * after->processors);
}

TEST(MemoryStatus, IsThePhysicalMemory) {
    const platform::MemoryStatus m = QueryMemoryStatus();
    MEMORYSTATUSEX direct{};
    direct.dwLength = sizeof direct;
    ASSERT_TRUE(::GlobalMemoryStatusEx(&direct));
    EXPECT_GT(m.availPhys, 0u);
    EXPECT_GT(m.totalPhys, m.availPhys);
    EXPECT_EQ(m.totalPhys, direct.ullTotalPhys);
    // The free figure moves between the two reads; a wrong field (page file, virtual) would not stay this close.
    EXPECT_LT(Distance(m.availPhys, direct.ullAvailPhys), direct.ullTotalPhys / 16);
}

TEST(DriveSpace, OnlyASingleLetterNamesADriveAndFailuresCarryTheSystemsText) {
    for (const char* letter : {"C", "c"}) {
        const platform::DriveSpace d = QueryDriveSpace(letter);
        ASSERT_TRUE(d.ok && d.error.empty()) << letter << ": " << d.error;
        EXPECT_GT(d.available, 0u);
        EXPECT_LE(d.available, d.total);
    }
    // Elements of the drive list are taken as written: blanks are not trimmed.
    for (const char* element : {"", "CD", " C", "C ", "C:", "1", "Ｃ"}) {
        const platform::DriveSpace d = QueryDriveSpace(element);
        EXPECT_FALSE(d.ok || d.available || d.total) << '"' << element << '"';
        EXPECT_EQ(d.error, SystemErrorText(ERROR_INVALID_DRIVE)) << '"' << element << '"';
    }
    char unused = 'Z';
    while (unused > 'D' && (::GetLogicalDrives() & (1u << (unused - 'A'))))
        --unused;
    // The system's texts without their line break; a code it has no text for by its number.
    for (const std::string& text : {QueryDriveSpace(std::string(1, unused)).error, SystemErrorText(ERROR_INVALID_DRIVE),
                                    SystemErrorText(ERROR_NOT_READY)})
        EXPECT_TRUE(!text.empty() && text.find_last_not_of(" \t\r\n") == text.size() - 1) << '"' << text << '"';
    EXPECT_NE(SystemErrorText(ERROR_INVALID_DRIVE), SystemErrorText(ERROR_NOT_READY));
    EXPECT_EQ(SystemErrorText(0x2000FFFF), "エラー 536936447");
}

// The user's formats vary (12 or 24 hours, order of day and month, two- or four-digit years): the
// checks look only for the numbers every format shows.
TEST(FormatTimeAndDate, ShowTheirNumbersAndRefuseImpossibleValues) {
    const std::string time = FormatTimeOfDay({2031, 10, 27, 11, 47, 38, 1});
    const std::string date = FormatShortDate({2031, 10, 27, 11, 47, 38, 1});
    for (const char* part : {"11", "47"})
        EXPECT_NE(time.find(part), std::string::npos) << time;
    for (const char* part : {"27", "10", "31"})
        EXPECT_NE(date.find(part), std::string::npos) << date;
    EXPECT_EQ(date.find("47"), std::string::npos) << "the time has no place in a date: " << date;
    EXPECT_EQ(FormatTimeOfDay({2031, 10, 27, 25, 0, 0, 1}), "");
    EXPECT_EQ(FormatTimeOfDay({2031, 10, 27, 65547, 47, 0, 1}), "");  // not 11:47 cut to 16 bits
    EXPECT_EQ(FormatShortDate({2031, 2, 30, 0, 0, 0, 0}), "");
}

}  // namespace
