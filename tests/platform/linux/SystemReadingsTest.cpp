// The Linux readings against this machine (CPU, memory, drives), the power-supply folders of real
// machines read from fixtures, and the clock texts in several locales.
#include "platform/linux/readings/SystemReadings.h"

#include <gtest/gtest.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <tuple>

#include "platform/linux/profile/AtomicFile.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;
using namespace platform::posix;

using TempFolder = testsupport::TempDir;

// The monotonic clock in 100 ns units.
std::uint64_t MonotonicNow() {
    const auto since = std::chrono::steady_clock::now().time_since_epoch();  // CLOCK_MONOTONIC's
    return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(since).count()) / 100;
}

TEST(SystemReadings, CpuAndMemoryOfThisMachine) {
    const std::uint64_t before = MonotonicNow();
    const std::optional<platform::CpuTimes> cpu = QueryCpuTimes();
    const std::uint64_t after = MonotonicNow();
    ASSERT_TRUE(cpu);
    EXPECT_GE(cpu->systemTime, before);
    EXPECT_LE(cpu->systemTime, after);
    EXPECT_EQ(cpu->processors, static_cast<std::uint32_t>(::sysconf(_SC_NPROCESSORS_ONLN)));
    // The idle sum has the scale of /proc/uptime's (which leaves out iowait) and cannot outrun the
    // processors' time since boot.
    double uptime = 0, uptimeIdle = 0;
    std::ifstream("/proc/uptime") >> uptime >> uptimeIdle;
    const double idleSeconds = static_cast<double>(cpu->idleTime) / 1e7;
    EXPECT_GE(idleSeconds, uptimeIdle - 1.0);
    EXPECT_LE(idleSeconds, uptime * cpu->processors + 1.0);

    // The memory figures are those of /proc/meminfo (whose parsing ProcReadingsTest checks).
    const platform::MemoryStatus m = QueryMemoryStatus();
    const std::optional<platform::MemoryStatus> meminfo = ParseMeminfo(ReadWholeFile("/proc/meminfo").value_or(""));
    ASSERT_TRUE(meminfo);
    EXPECT_EQ(m.totalPhys, meminfo->totalPhys);
    EXPECT_NEAR(static_cast<double>(m.availPhys), static_cast<double>(meminfo->availPhys),
                0.03 * static_cast<double>(m.totalPhys));

    // The counter files stay open between readings: the next reading reads them from the start again.
    const std::optional<platform::CpuTimes> next = QueryCpuTimes();
    ASSERT_TRUE(next);
    EXPECT_GE(next->idleTime, cpu->idleTime);
    EXPECT_EQ(next->processors, cpu->processors);
    EXPECT_EQ(QueryMemoryStatus().totalPhys, m.totalPhys);
}

TEST(SystemReadings, DriveCIsTheRootAndOthersComeFromTheMap) {
    const TempFolder dir;
    const platform::profile::Entries map{{"D", dir.path.string()}, {"M", "/nonexistent/vigilon"}};
    const std::pair<platform::DriveSpace, std::string> drives[] = {
        {QueryDriveSpace("C", map), "/"},
        {QueryDriveSpace("c", {}), "/"},                 // the system drive needs no map
        {QueryDriveSpace("d", map), dir.path.string()},  // names compare as the file's keys do
    };
    for (const auto& [d, folder] : drives) {
        struct statvfs s {};
        ASSERT_EQ(::statvfs(folder.c_str(), &s), 0);
        ASSERT_TRUE(d.ok && d.error.empty()) << folder << ": " << d.error;
        EXPECT_EQ(d.total, static_cast<std::uint64_t>(s.f_blocks) * s.f_frsize) << folder;
        EXPECT_NEAR(static_cast<double>(d.available), static_cast<double>(s.f_bavail * s.f_frsize),
                    0.01 * static_cast<double>(d.total));
        EXPECT_LE(d.available, d.total);
    }

    // The texts are the C library's, in the user's language where it has one (English here).
    const auto isErrorText = [](const std::string& text, int errnum) {
        locale_t user = ::newlocale(LC_MESSAGES_MASK, "", nullptr);
        const bool localized = user && text == ::strerror_l(errnum, user);
        if (user)
            ::freelocale(user);
        return localized || text == std::strerror(errnum);
    };
    const std::pair<const char*, int> failures[] = {{"E", ENODEV}, {"", ENODEV}, {"CD", ENODEV}, {"M", ENOENT}};
    for (const auto& [element, errnum] : failures) {
        const platform::DriveSpace d = QueryDriveSpace(element, map);
        EXPECT_FALSE(d.ok) << '"' << element << '"';
        EXPECT_TRUE(isErrorText(d.error, errnum)) << d.error;
    }
}

TEST(SystemReadings, PowerSuppliesOfRealMachines) {
    const std::string data = std::string(VIGILON_TEST_DATA) + "/power_supply/";
    const TempFolder desktop;  // no supply at all
    const std::tuple<std::string, int, int> cases[] = {
        {data + "laptop-on-battery", 0, 79},
        {data + "laptop-on-mains", 1, 80},
        {data + "laptop-usb-c", 1, 58},
        {data + "two-batteries", 0, 80},  // 75.07 Wh of 93.85 Wh; the capacities 50 and 89 would average 70
        {data + "mouse-only", 1, 255},
        {desktop.path.string(), 1, 255},
        {"/nonexistent/power_supply", 1, 255},  // no sysfs class at all
    };
    for (const auto& [folder, ac, percent] : cases) {
        const platform::PowerStatus p = ParsePowerSupplies(ReadPowerSupplies(folder));
        EXPECT_EQ(p.acLineStatus, ac) << folder;
        EXPECT_EQ(p.batteryLifePercent, percent) << folder;
    }

    // A peripheral's battery is not read beyond its type and scope: reading it can wake the device.
    const std::vector<SupplyFiles> mouse = ReadPowerSupplies(data + "mouse-only");
    ASSERT_EQ(mouse.size(), 1u);
    EXPECT_EQ(mouse[0].scope, "Device\n");
    EXPECT_FALSE(mouse[0].capacity || mouse[0].status);
}

TEST(SystemReadings, ClockTextsInUsersLocales) {
    EXPECT_FALSE(FormatTimeOfDay(QueryLocalTime()).empty());

    // All but C need the locales installed (locale-gen, or LOCPATH pointing at localedef output).
    constexpr platform::LocalTime evening{2024, 5, 6, 19, 30, 0, 1};
    const char* const cases[][3] = {
        {"C", "19:30:00", "05/06/24"},
        {"fi_FI.UTF-8", "19.30.00", "06.05.2024"},      // the user's own time format
        {"en_US.UTF-8", "07:30:00 PM", "05/06/2024"},   // drawn smaller by the clock
        {"en_GB.UTF-8", "19:30:00", "06/05/24"},        //
        {"ja_JP.UTF-8", "19:30:00", "2024年05月06日"},  // %X is "19時30分00秒": too wide
    };
    for (const auto& [name, time, date] : cases) {
        if (locale_t loc = ::newlocale(LC_TIME_MASK | LC_CTYPE_MASK, name, nullptr)) {
            EXPECT_EQ(FormatTimeOfDay(evening, loc), time) << name;
            EXPECT_EQ(FormatShortDate(evening, loc), date) << name;
            ::freelocale(loc);
        }
    }
    // Time conventions whose text would not be UTF-8 (here: no character set at all) give C's.
    if (locale_t timeOnly = ::newlocale(LC_TIME_MASK, "fi_FI.UTF-8", nullptr)) {
        EXPECT_EQ(FormatTimeOfDay(evening, timeOnly), "19:30:00");
        EXPECT_EQ(FormatShortDate(evening, timeOnly), "05/06/24");
        ::freelocale(timeOnly);
    }
}

}  // namespace
