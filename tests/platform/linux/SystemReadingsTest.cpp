// The Linux readings against this machine (CPU, memory, drives, clock), the power-supply folders of
// real machines read from fixtures, and the clock texts in several locales.
#include "platform/linux/SystemReadings.h"

#include <gtest/gtest.h>
#include <sys/statvfs.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <thread>

namespace {

namespace fs = std::filesystem;
using namespace platform::posix;
using platform::PowerStatus;

std::uint64_t MonotonicNow() {
    timespec ts{};
    ::clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<std::uint64_t>(ts.tv_sec) * 10'000'000 + static_cast<std::uint64_t>(ts.tv_nsec) / 100;
}

std::uint64_t MeminfoBytes(const std::string& key) {
    std::ifstream in("/proc/meminfo");
    std::string name;
    std::uint64_t kb = 0;
    std::string unit;
    while (in >> name >> kb) {
        std::getline(in, unit);
        if (name == key + ":")
            return kb * 1024;
    }
    return 0;
}

class TempFolder {
public:
    TempFolder() : path_(fs::temp_directory_path() / ("vigilon-readings-" + std::to_string(std::random_device{}()))) {
        fs::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    const fs::path& Path() const { return path_; }

private:
    fs::path path_;
};

TEST(SystemReadings, CpuTimesFromThisMachine) {
    const std::uint64_t before = MonotonicNow();
    const std::optional<platform::CpuTimes> first = QueryCpuTimes();
    const std::uint64_t after = MonotonicNow();
    ASSERT_TRUE(first);
    EXPECT_GE(first->systemTime, before);
    EXPECT_LE(first->systemTime, after);
    EXPECT_EQ(first->processors, static_cast<std::uint32_t>(::sysconf(_SC_NPROCESSORS_ONLN)));

    // The idle sum has the scale of /proc/uptime's (which leaves out iowait) and cannot outrun the
    // processors' time since boot.
    double uptime = 0, uptimeIdle = 0;
    std::ifstream("/proc/uptime") >> uptime >> uptimeIdle;
    const double idleSeconds = static_cast<double>(first->idleTime) / 1e7;
    EXPECT_GE(idleSeconds, uptimeIdle - 1.0);
    EXPECT_LE(idleSeconds, uptime * first->processors + 1.0);

    // A real interval: a short sleep is the only way to see the live counters move.
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    const std::optional<platform::CpuTimes> second = QueryCpuTimes();
    ASSERT_TRUE(second);
    const std::uint64_t elapsed = second->systemTime - first->systemTime;
    EXPECT_GE(elapsed, 500'000u);
    EXPECT_GE(second->idleTime, first->idleTime);
    // Jiffy granularity: each processor's count may round up by one tick (at most 1/100 s).
    EXPECT_LE(second->idleTime - first->idleTime, (elapsed + 2 * 100'000) * second->processors);
}

TEST(SystemReadings, MemoryAgreesWithMeminfo) {
    const platform::MemoryStatus m = QueryMemoryStatus();
    EXPECT_EQ(m.totalPhys, MeminfoBytes("MemTotal"));
    const double available = static_cast<double>(MeminfoBytes("MemAvailable"));
    EXPECT_NEAR(static_cast<double>(m.availPhys), available, 0.03 * static_cast<double>(m.totalPhys));
    EXPECT_LE(m.availPhys, m.totalPhys);
}

TEST(SystemReadings, DriveCIsTheRootFileSystem) {
    const platform::DriveSpace c = QueryDriveSpace("C");
    struct statvfs root {};
    ASSERT_EQ(::statvfs("/", &root), 0);
    ASSERT_TRUE(c.ok) << c.error;
    EXPECT_EQ(c.total, static_cast<std::uint64_t>(root.f_blocks) * root.f_frsize);
    EXPECT_NEAR(static_cast<double>(c.available), static_cast<double>(root.f_bavail * root.f_frsize),
                0.01 * static_cast<double>(c.total));
    EXPECT_LE(c.available, c.total);
    EXPECT_TRUE(c.error.empty());
}

TEST(SystemReadings, MappedDrivesAndTheirFailures) {
    const TempFolder dir;
    const std::string ini = (dir.Path() / "Vigilon.ini").string();
    std::ofstream(ini) << "[Setting]\nDrive=C,D,E,M\n\n[DriveMap]\nD=" << dir.Path().string()
                       << "\nM=/nonexistent/vigilon\n";

    const platform::DriveSpace d = QueryDriveSpace("D", ini);
    ASSERT_TRUE(d.ok) << d.error;
    struct statvfs tmp {};
    ASSERT_EQ(::statvfs(dir.Path().c_str(), &tmp), 0);
    EXPECT_EQ(d.total, static_cast<std::uint64_t>(tmp.f_blocks) * tmp.f_frsize);
    EXPECT_TRUE(QueryDriveSpace("c", "/nonexistent/Vigilon.ini").ok);

    // The texts are the C library's, in the user's language where it has one (English here).
    const auto isErrorText = [](const std::string& text, int errnum) {
        locale_t user = ::newlocale(LC_MESSAGES_MASK, "", nullptr);
        const bool localized = user && text == ::strerror_l(errnum, user);
        if (user)
            ::freelocale(user);
        return localized || text == std::strerror(errnum);
    };
    for (const char* unmapped : {"E", "", "CD"}) {
        const platform::DriveSpace e = QueryDriveSpace(unmapped, ini);
        EXPECT_FALSE(e.ok) << '"' << unmapped << '"';
        EXPECT_TRUE(isErrorText(e.error, ENODEV)) << e.error;
    }
    const platform::DriveSpace m = QueryDriveSpace("M", ini);
    EXPECT_FALSE(m.ok);
    EXPECT_TRUE(isErrorText(m.error, ENOENT)) << m.error;
}

// --- power supplies as real machines lay them out ------------------------------------------------

std::string PowerFixture(const std::string& name) {
    return std::string(VIGILON_TEST_DATA) + "/power_supply/" + name;
}

PowerStatus PowerOf(const std::string& folder) {
    return ParsePowerSupplies(ReadPowerSupplies(folder));
}

TEST(SystemReadings, PowerSuppliesOfRealMachines) {
    struct Case {
        const char* folder;
        int ac;
        int percent;
    };
    const Case cases[] = {
        {"laptop-on-battery", 0, 79}, {"laptop-on-mains", 1, 80}, {"laptop-usb-c", 1, 58},
        {"two-batteries", 0, 80},  // 75.07 Wh of 93.85 Wh; the capacities 50 and 89 would average 70
        {"mouse-only", 1, 255},
    };
    for (const Case& c : cases) {
        const PowerStatus p = PowerOf(PowerFixture(c.folder));
        EXPECT_EQ(p.acLineStatus, c.ac) << c.folder;
        EXPECT_EQ(p.batteryLifePercent, c.percent) << c.folder;
    }

    const TempFolder desktop;
    EXPECT_TRUE(ReadPowerSupplies(desktop.Path().string()).empty());
    EXPECT_EQ(PowerOf(desktop.Path().string()).acLineStatus, 1);
    EXPECT_EQ(PowerOf(desktop.Path().string()).batteryLifePercent, 255);
    EXPECT_EQ(PowerOf("/nonexistent/power_supply").acLineStatus, 1) << "no sysfs class at all";
}

TEST(SystemReadings, PowerSupplyFilesAreReadAsTheyAre) {
    const std::vector<SupplyFiles> laptop = ReadPowerSupplies(PowerFixture("laptop-on-battery"));
    ASSERT_EQ(laptop.size(), 2u);
    EXPECT_EQ(laptop[0].name, "AC");
    EXPECT_EQ(laptop[0].online, "0\n");
    EXPECT_EQ(laptop[1].name, "BAT0");
    EXPECT_EQ(laptop[1].status, "Discharging\n");
    EXPECT_EQ(laptop[1].energyFull, "52500000\n");
    EXPECT_FALSE(laptop[1].chargeNow) << "an ACPI battery in energy units has no charge files";
    EXPECT_FALSE(laptop[1].scope);

    // A peripheral's battery is not polled beyond its type and scope: reading it can wake the device.
    const std::vector<SupplyFiles> mouse = ReadPowerSupplies(PowerFixture("mouse-only"));
    ASSERT_EQ(mouse.size(), 1u);
    EXPECT_EQ(mouse[0].scope, "Device\n");
    EXPECT_FALSE(mouse[0].capacity);
    EXPECT_FALSE(mouse[0].status);
}

TEST(SystemReadings, PowerOfThisMachine) {
    const PowerStatus p = QueryPowerStatus();
    EXPECT_TRUE(p.acLineStatus <= 1 || p.acLineStatus == 255);
    EXPECT_TRUE(p.batteryLifePercent <= 100 || p.batteryLifePercent == 255);
    std::error_code ec;
    if (fs::is_empty("/sys/class/power_supply", ec) || ec) {
        EXPECT_EQ(p.acLineStatus, 1);
        EXPECT_EQ(p.batteryLifePercent, 255);
    }
}

// --- the clock -------------------------------------------------------------------------------------

TEST(SystemReadings, LocalTimeIsTheWallClock) {
    // Two tries: the second may tick over between the two readings.
    for (int attempt = 0; attempt < 2; ++attempt) {
        const platform::LocalTime t = QueryLocalTime();
        const std::time_t now = std::time(nullptr);
        std::tm tm{};
        ::localtime_r(&now, &tm);
        if (tm.tm_sec != t.second && attempt == 0)
            continue;
        EXPECT_EQ(t.year, tm.tm_year + 1900);
        EXPECT_EQ(t.month, tm.tm_mon + 1);
        EXPECT_EQ(t.day, tm.tm_mday);
        EXPECT_EQ(t.hour, tm.tm_hour);
        EXPECT_EQ(t.minute, tm.tm_min);
        EXPECT_EQ(t.second, tm.tm_sec);
        EXPECT_EQ(t.dayOfWeek, tm.tm_wday);
        break;
    }
    EXPECT_LE(FormatTimeOfDay(QueryLocalTime()).size(), 8u) << "the user's format or the fallback fits";
}

class LocaleObject {
public:
    explicit LocaleObject(const char* name) : loc_(::newlocale(LC_TIME_MASK | LC_CTYPE_MASK, name, nullptr)) {}
    ~LocaleObject() {
        if (loc_)
            ::freelocale(loc_);
    }
    locale_t Get() const { return loc_; }

private:
    locale_t loc_;
};

constexpr platform::LocalTime kEvening{2024, 5, 6, 19, 30, 0, 1};
constexpr platform::LocalTime kMorning{2024, 11, 28, 7, 5, 9, 4};

TEST(SystemReadings, ClockTextsInTheCLocale) {
    const LocaleObject c("C");
    EXPECT_EQ(FormatTimeOfDay(kEvening, c.Get()), "19:30:00");
    EXPECT_EQ(FormatTimeOfDay(kMorning, c.Get()), "07:05:09");
    EXPECT_EQ(FormatShortDate(kEvening, c.Get()), "05/06/24");
}

// These need the locales installed (locale-gen, or LOCPATH pointing at localedef output).
TEST(SystemReadings, ClockTextsInUsersLocales) {
    struct Case {
        const char* locale;
        const char* time;
        const char* date;
    };
    const Case cases[] = {
        {"fi_FI.UTF-8", "19.30.00", "06.05.2024"},      // the user's own time format when it fits
        {"en_US.UTF-8", "19:30:00", "05/06/2024"},      // %X is "07:30:00 PM": too wide
        {"en_GB.UTF-8", "19:30:00", "06/05/24"},        //
        {"ja_JP.UTF-8", "19:30:00", "2024年05月06日"},  // %X is "19時30分00秒": nine characters
    };
    int tried = 0;
    for (const Case& c : cases) {
        const LocaleObject loc(c.locale);
        if (!loc.Get())
            continue;
        ++tried;
        EXPECT_EQ(FormatTimeOfDay(kEvening, loc.Get()), c.time) << c.locale;
        EXPECT_EQ(FormatShortDate(kEvening, loc.Get()), c.date) << c.locale;
    }
    if (tried == 0)
        GTEST_SKIP() << "none of the locales is installed";

    // Time conventions whose text would not be UTF-8 (here: no character set at all) give C's.
    if (locale_t timeOnly = ::newlocale(LC_TIME_MASK, "fi_FI.UTF-8", nullptr)) {
        EXPECT_EQ(FormatTimeOfDay(kEvening, timeOnly), "19:30:00");
        EXPECT_EQ(FormatShortDate(kEvening, timeOnly), "05/06/24");
        ::freelocale(timeOnly);
    }
}

}  // namespace
