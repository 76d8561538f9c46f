// The Linux readings' parsers on captured /proc text and on the power rules' corner cases, and the
// drive-letter map, all without touching the live system.
#include "platform/linux/ProcReadings.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

namespace {

using namespace platform::posix;
using platform::PowerStatus;

std::string Fixture(const std::string& name) {
    std::ifstream in(std::string(VIGILON_TEST_DATA) + "/proc/" + name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

constexpr std::uint64_t KiB = 1024;

TEST(ProcReadingsStat, AggregateIdleAndIowaitWithTheProcessorLines) {
    // Captured on a two-processor machine: cpu  343983 0 39679 261215 1126 ...
    const std::optional<ProcStat> two = ParseProcStat(Fixture("stat-2cpu"));
    ASSERT_TRUE(two);
    EXPECT_EQ(two->idleJiffies, 261215u + 1126u);
    EXPECT_EQ(two->cpuLines, 2u);

    // cpu2 is offline: its idle time stays in the aggregate but no longer grows, so three count.
    const std::optional<ProcStat> offline = ParseProcStat(Fixture("stat-offline-cpu"));
    ASSERT_TRUE(offline);
    EXPECT_EQ(offline->idleJiffies, 52416288u + 48211u);
    EXPECT_EQ(offline->cpuLines, 3u);
}

TEST(ProcReadingsStat, OlderKernelLayouts) {
    const std::optional<ProcStat> rhel5 = ParseProcStat(Fixture("stat-2.6.18"));
    ASSERT_TRUE(rhel5);
    EXPECT_EQ(rhel5->idleJiffies, 22625563u + 6290u);
    EXPECT_EQ(rhel5->cpuLines, 2u);

    // Before iowait existed the aggregate had four fields.
    const std::optional<ProcStat> old = ParseProcStat(Fixture("stat-2.4"));
    ASSERT_TRUE(old);
    EXPECT_EQ(old->idleJiffies, 3421869u);
    EXPECT_EQ(old->cpuLines, 1u);
}

TEST(ProcReadingsStat, MalformedTextIsRejected) {
    EXPECT_FALSE(ParseProcStat(""));
    EXPECT_FALSE(ParseProcStat("cpu0 1 2 3 4 5\nintr 7\n")) << "no aggregate line";
    EXPECT_FALSE(ParseProcStat("cpu  1 2 3\n")) << "no idle field";
    EXPECT_FALSE(ParseProcStat("cpu  1 2 3 x 5\n"));
    EXPECT_FALSE(ParseProcStat("cpu  1 2 3 4 -5\n"));
    EXPECT_FALSE(ParseProcStat("cpu  1 2 3 18446744073709551616 0\n")) << "beyond 64 bits";
    EXPECT_FALSE(ParseProcStat("cpu  1 2 3 18446744073709551615 1\n")) << "the sum would wrap";

    // Labels that merely start with "cpu" are not processors; a last line without newline counts.
    const std::optional<ProcStat> s = ParseProcStat("cpufreq 1\ncpu 1 2 3 40 2\ncpu 9 9 9 9 9\ncpu7 1 2 3 4 5");
    ASSERT_TRUE(s);
    EXPECT_EQ(s->idleJiffies, 42u) << "the first aggregate line wins";
    EXPECT_EQ(s->cpuLines, 1u);
}

TEST(ProcReadingsStat, JiffiesConvertExactlyWithoutOverflow) {
    EXPECT_EQ(JiffiesToHundredNs(0, 100), 0u);
    EXPECT_EQ(JiffiesToHundredNs(1, 100), 100'000u);
    EXPECT_EQ(JiffiesToHundredNs(261215, 100), 26'121'500'000u);
    EXPECT_EQ(JiffiesToHundredNs(1, 1024), 9'765u) << "9765.625 rounds down";
    EXPECT_EQ(JiffiesToHundredNs(1024, 1024), 10'000'000u);
    EXPECT_EQ(JiffiesToHundredNs(1, 300), 33'333u);
    EXPECT_EQ(JiffiesToHundredNs(3, 300), 100'000u);
    // jiffies * 10^7 would wrap 64 bits here; the result itself fits.
    EXPECT_EQ(JiffiesToHundredNs(10'000'000'000'003, 100), 1'000'000'000'000'300'000u);
    EXPECT_EQ(JiffiesToHundredNs(10'000'000'000'001, 1024), 97'656'250'000'009'765u);
    EXPECT_EQ(JiffiesToHundredNs(5, 0), 0u);
}

TEST(ProcReadingsMeminfo, TotalAndAvailableInBytes) {
    const std::optional<platform::MemoryStatus> now = ParseMeminfo(Fixture("meminfo-6.18"));
    ASSERT_TRUE(now);
    EXPECT_EQ(now->totalPhys, 24683784 * KiB);
    EXPECT_GT(now->availPhys, 0u);
    EXPECT_LE(now->availPhys, now->totalPhys);
    EXPECT_EQ(now->availPhys % KiB, 0u);

    // Before 3.14 there is no MemAvailable: free + buffers + page cache stands in.
    const std::optional<platform::MemoryStatus> old = ParseMeminfo(Fixture("meminfo-2.6.32"));
    ASSERT_TRUE(old);
    EXPECT_EQ(old->totalPhys, 2054996 * KiB);
    EXPECT_EQ(old->availPhys, (113428 + 171944 + 1112312) * KiB);
}

TEST(ProcReadingsMeminfo, MissingOrMalformedFieldsFail) {
    EXPECT_FALSE(ParseMeminfo(""));
    EXPECT_FALSE(ParseMeminfo("MemFree: 10 kB\nMemAvailable: 20 kB\n")) << "no MemTotal";
    EXPECT_FALSE(ParseMeminfo("MemTotal: 100 kB\nBuffers: 1 kB\n")) << "neither MemAvailable nor MemFree";
    EXPECT_FALSE(ParseMeminfo("MemTotal: 100 MB\nMemAvailable: 20 kB\n")) << "unknown unit";
    EXPECT_FALSE(ParseMeminfo("MemTotal: 100 kB\nMemAvailable: lots kB\n"));
    EXPECT_FALSE(ParseMeminfo("MemTotal: 18014398509481984 kB\nMemFree: 1 kB\n")) << "bytes beyond 64 bits";

    // SwapCached is not Cached; an available figure above the total is capped.
    const std::optional<platform::MemoryStatus> m =
        ParseMeminfo("MemTotal: 100 kB\nMemFree: 10 kB\nSwapCached: 50 kB\nBuffers: 1 kB\nCached: 2 kB\n");
    ASSERT_TRUE(m);
    EXPECT_EQ(m->availPhys, 13 * KiB);
    const std::optional<platform::MemoryStatus> over = ParseMeminfo("MemTotal: 100 kB\nMemAvailable: 120 kB");
    ASSERT_TRUE(over);
    EXPECT_EQ(over->availPhys, 100 * KiB);
}

// --- power: the rules on hand-made supplies (real layouts are in SystemReadingsTest) -----------

SupplyFiles Adapter(std::string type, std::optional<std::string> online) {
    SupplyFiles s;
    s.name = type;
    s.type = type + "\n";
    s.online = online;
    return s;
}

SupplyFiles Battery(std::string status, std::optional<std::string> capacity) {
    SupplyFiles s;
    s.name = "BAT0";
    s.type = "Battery\n";
    s.present = "1\n";
    s.status = status + "\n";
    s.capacity = capacity;
    return s;
}

// "ac/percent", so a failed expectation shows both figures.
std::string Text(const PowerStatus& p) {
    return std::to_string(p.acLineStatus) + "/" + std::to_string(p.batteryLifePercent);
}

std::string Power(const std::vector<SupplyFiles>& supplies) {
    return Text(ParsePowerSupplies(supplies));
}

TEST(ProcReadingsPower, LineStatusRules) {
    EXPECT_EQ(Power({}), "1/255") << "a desktop";
    EXPECT_EQ(Power({Adapter("Mains", "1\n")}), "1/255") << "desktop with an AC device";
    EXPECT_EQ(Power({Adapter("Mains", "0\n"), Adapter("USB_PD", "2\n"), Battery("Charging", "50")}), "1/50")
        << "a USB supply online (2: programmable) is mains";
    // A battery can charge from a charger that is not a listed supply.
    EXPECT_EQ(Power({Adapter("Mains", "0\n"), Battery("Charging", "50")}), "1/50");
    EXPECT_EQ(Power({Battery("Discharging", "50\n")}), "0/50");
    EXPECT_EQ(Power({Adapter("Mains", "0\n"), Battery("Full", "100")}), "0/100")
        << "the adapter's offline report beats a battery still saying Full";
    EXPECT_EQ(Power({Battery("Not charging", "80")}), "1/80") << "no adapter listed";
    EXPECT_EQ(Power({Battery("Full", "100")}), "1/100");
    EXPECT_EQ(Power({Battery("Unknown", "80")}), "255/80");
    EXPECT_EQ(Power({Adapter("Mains", std::nullopt), Battery("Unknown", "80")}), "255/80")
        << "an adapter whose online file cannot be read says nothing";
    EXPECT_EQ(Power({Adapter("USB", "0\n")}), "1/255") << "a desktop's empty USB-C port";
}

TEST(ProcReadingsPower, WhatCountsAsABattery) {
    SupplyFiles empty = Battery("Unknown", "0");
    empty.name = "BAT1";
    empty.present = "0\n";
    EXPECT_EQ(Power({Battery("Discharging", "64"), empty}), "0/64") << "an empty bay";

    SupplyFiles pen = Battery("Discharging", "20");
    pen.scope = "Device\n";
    EXPECT_EQ(Power({pen}), "1/255");
    SupplyFiles dockAc = Adapter("Mains", "0\n");
    dockAc.scope = "Device\n";  // a tablet's own charger is not the system's
    EXPECT_EQ(Power({dockAc, Battery("Full", "100")}), "1/100");

    EXPECT_EQ(Power({Adapter("UPS", "1\n"), Adapter("Unknown", "1\n"), Battery("Discharging", "5")}), "0/5");
}

TEST(ProcReadingsPower, Percent) {
    EXPECT_EQ(ParsePowerSupplies({Battery("Discharging", "104\n")}).batteryLifePercent, 100);
    EXPECT_EQ(ParsePowerSupplies({Battery("Discharging", "n/a\n")}).batteryLifePercent, 255);
    EXPECT_EQ(ParsePowerSupplies({Battery("Discharging", std::nullopt)}).batteryLifePercent, 255);

    // One battery without capacity: its own counters (charge in µAh here).
    SupplyFiles charge = Battery("Discharging", std::nullopt);
    charge.chargeNow = "2999000\n";
    charge.chargeFull = "4000000\n";
    EXPECT_EQ(ParsePowerSupplies({charge}).batteryLifePercent, 75);

    // Several: the counters summed, not the capacities averaged; the capacities when a counter is missing.
    SupplyFiles small = Battery("Discharging", "10");
    small.energyNow = "2000000\n";
    small.energyFull = "20000000\n";
    SupplyFiles large = Battery("Discharging", "90");
    large.energyNow = "72000000\n";
    large.energyFull = "80000000\n";
    EXPECT_EQ(ParsePowerSupplies({small, large}).batteryLifePercent, 74);
    large.energyNow.reset();
    EXPECT_EQ(ParsePowerSupplies({small, large}).batteryLifePercent, 50);
    SupplyFiles unreadable = Battery("Discharging", std::nullopt);
    EXPECT_EQ(ParsePowerSupplies({small, unreadable}).batteryLifePercent, 10);
    large.energyFull = "0\n";
    large.energyNow = "0\n";
    small.capacity.reset();
    large.capacity.reset();
    EXPECT_EQ(ParsePowerSupplies({small, large}).batteryLifePercent, 10) << "a zero full counter adds nothing";
}

// --- the drive-letter map ------------------------------------------------------------------------

TEST(ProcReadingsDriveMap, LettersAndTheMap) {
    std::map<std::string, std::string> entries{{"D", "/home"}, {"E", ""}, {"F", "media/usb"}, {"G", "/mnt/g"}};
    int lookups = 0;
    const auto map = [&](std::string_view key) -> std::optional<std::string> {
        ++lookups;
        const auto it = entries.find(std::string(key));
        return it == entries.end() ? std::nullopt : std::optional<std::string>(it->second);
    };
    EXPECT_EQ(DriveFolder("C", map), "/");
    EXPECT_EQ(DriveFolder("c", map), "/");
    EXPECT_EQ(lookups, 0) << "the system drive needs no settings file";
    EXPECT_EQ(DriveFolder("D", map), "/home");
    EXPECT_EQ(DriveFolder("Z", map), std::nullopt) << "unmapped";
    EXPECT_EQ(DriveFolder("E", map), std::nullopt) << "mapped to nothing";
    EXPECT_EQ(DriveFolder("F", map), std::nullopt) << "a relative folder would depend on the working folder";

    entries["C"] = "/boot";
    EXPECT_EQ(DriveFolder("C", map), "/") << "C cannot be remapped";
    EXPECT_EQ(DriveFolder("CD", map), std::nullopt) << "not C, not D";
    entries["CD"] = "/media/cdrom";
    EXPECT_EQ(DriveFolder("CD", map), "/media/cdrom") << "the element is the key as written";

    lookups = 0;
    for (const char* odd : {"", " D", "D ", "G=", "[G", ";G", "G\n"})
        EXPECT_EQ(DriveFolder(odd, map), std::nullopt) << '"' << odd << '"';
    EXPECT_EQ(lookups, 0) << "elements the settings file cannot spell are not looked up";
}

}  // namespace
