// The Linux readings' parsers on captured /proc text and on the power rules' corner cases, and the
// drive-letter map, all without touching the live system.
#include "platform/linux/readings/ProcReadings.h"

#include <gtest/gtest.h>

#include <map>
#include <tuple>

#include "platform/linux/profile/AtomicFile.h"

namespace {

using namespace platform::posix;

std::string Fixture(const std::string& name) {
    return ReadWholeFile(std::string(VIGILON_TEST_DATA) + "/proc/" + name).value_or("");
}

TEST(ProcReadings, StatOfCapturedKernelsAndMalformedText) {
    const std::tuple<std::string, std::uint64_t, std::uint32_t> cases[] = {
        {Fixture("stat-2cpu"), 261215 + 1126, 2},  // cpu  343983 0 39679 261215 1126 ...
        // cpu2 is offline: its idle time stays in the aggregate but no longer grows, so three count.
        {Fixture("stat-offline-cpu"), 52416288 + 48211, 3},
        {Fixture("stat-2.6.18"), 22625563 + 6290, 2},
        {Fixture("stat-2.4"), 3421869, 1},  // before iowait existed the aggregate had four fields
        // Labels that merely start with "cpu" are not processors; the first aggregate line wins; a last
        // line without newline counts.
        {"cpufreq 1\ncpu 1 2 3 40 2\ncpu 9 9 9 9 9\ncpu7 1 2 3 4 5", 42, 1},
    };
    for (const auto& [text, idle, cpus] : cases) {
        const std::optional<ProcStat> s = ParseProcStat(text);
        ASSERT_TRUE(s) << text;
        EXPECT_EQ(s->idleJiffies, idle) << text;
        EXPECT_EQ(s->cpuLines, cpus) << text;
    }
    for (const char* bad : {"", "cpu0 1 2 3 4 5\nintr 7\n", "cpu  1 2 3\n", "cpu  1 2 3 x 5\n", "cpu  1 2 3 4 -5\n",
                            "cpu  1 2 3 18446744073709551616 0\n",   // beyond 64 bits
                            "cpu  1 2 3 18446744073709551615 1\n"})  // the sum would wrap
        EXPECT_FALSE(ParseProcStat(bad)) << bad;
}

TEST(ProcReadings, JiffiesConvertExactlyWithoutOverflow) {
    // 9765.625 rounds down; in the last two jiffies * 10^7 would wrap 64 bits, the result itself fits.
    const std::tuple<std::uint64_t, std::uint64_t, std::uint64_t> cases[] = {
        // clang-format off
        {1, 100, 100'000}, {1, 1024, 9'765}, {1024, 1024, 10'000'000}, {1, 300, 33'333}, {3, 300, 100'000}, {5, 0, 0},
        {10'000'000'000'003, 100, 1'000'000'000'000'300'000}, {10'000'000'000'001, 1024, 97'656'250'000'009'765},
    };
    // clang-format on
    for (const auto& [jiffies, hz, hundredNs] : cases)
        EXPECT_EQ(JiffiesToHundredNs(jiffies, hz), hundredNs) << jiffies << " at " << hz;
}

TEST(ProcReadings, MeminfoInBytes) {
    const std::tuple<std::string, std::uint64_t, std::uint64_t> cases[] = {
        {Fixture("meminfo-6.18"), 24683784, 23729844},
        // Before 3.14 there is no MemAvailable: free + buffers + page cache stands in.
        {Fixture("meminfo-2.6.32"), 2054996, 113428 + 171944 + 1112312},
        {"MemTotal: 100 kB\nMemFree: 10 kB\nSwapCached: 50 kB\nBuffers: 1 kB\nCached: 2 kB\n", 100, 13},
        {"MemTotal: 100 kB\nMemAvailable: 120 kB", 100, 100},  // capped at the total
    };
    for (const auto& [text, total, available] : cases) {
        const std::optional<platform::MemoryStatus> m = ParseMeminfo(text);
        ASSERT_TRUE(m) << text;
        EXPECT_EQ(m->totalPhys, total * 1024);
        EXPECT_EQ(m->availPhys, available * 1024);
    }
    for (const char* bad : {"", "MemFree: 10 kB\nMemAvailable: 20 kB\n", "MemTotal: 100 kB\nBuffers: 1 kB\n",
                            "MemTotal: 100 MB\nMemAvailable: 20 kB\n", "MemTotal: 100 kB\nMemAvailable: lots kB\n",
                            "MemTotal: 18014398509481984 kB\nMemFree: 1 kB\n"})  // bytes beyond 64 bits
        EXPECT_FALSE(ParseMeminfo(bad)) << bad;
}

// --- power: the rules on hand-made supplies; real layouts (a desktop, a laptop, a mouse, two
// batteries) are in SystemReadingsTest ------------------------------------------------------------

SupplyFiles Adapter(std::string type, std::optional<std::string> online, const char* scope = nullptr) {
    SupplyFiles s;
    s.name = type;
    s.type = type + "\n";
    s.online = online;
    if (scope)
        s.scope = scope;
    return s;
}

// A present battery, with energy counters where a case needs them.
SupplyFiles Battery(std::string status,
                    std::optional<std::string> capacity,
                    std::optional<std::string> now = {},
                    std::optional<std::string> full = {}) {
    SupplyFiles s;
    s.name = "BAT0";
    s.type = "Battery\n";
    s.present = "1\n";
    s.status = status + "\n";
    s.capacity = capacity;
    s.energyNow = now;
    s.energyFull = full;
    return s;
}

// "ac/percent", so a failed expectation shows both figures.
std::string Power(const std::vector<SupplyFiles>& supplies) {
    const platform::PowerStatus p = ParsePowerSupplies(supplies);
    return std::to_string(p.acLineStatus) + "/" + std::to_string(p.batteryLifePercent);
}

TEST(ProcReadingsPower, LineStatus) {
    EXPECT_EQ(Power({Adapter("USB", "0\n")}), "1/255") << "a desktop's empty USB-C port";
    EXPECT_EQ(Power({Adapter("Mains", "0\n"), Adapter("USB_PD", "2\n"), Battery("Charging", "50")}), "1/50")
        << "a USB supply online (2: programmable) is mains";
    // A battery can charge from a charger that is not a listed supply.
    EXPECT_EQ(Power({Adapter("Mains", "0\n"), Battery("Charging", "50")}), "1/50");
    EXPECT_EQ(Power({Adapter("Mains", "0\n"), Battery("Full", "100")}), "0/100")
        << "the adapter's offline report beats a battery still saying Full";
    EXPECT_EQ(Power({Battery("Not charging", "80")}), "1/80") << "no adapter listed";
    EXPECT_EQ(Power({Adapter("Mains", std::nullopt), Battery("Unknown", "80")}), "255/80")
        << "an adapter whose online file cannot be read says nothing";

    // What counts: an empty bay is no battery, a tablet's own charger (scope Device) is not the
    // system's, and a UPS or an unknown type is no adapter.
    SupplyFiles empty = Battery("Unknown", "0");
    empty.name = "BAT1";
    empty.present = "0\n";
    EXPECT_EQ(Power({Battery("Discharging", "64"), empty}), "0/64");
    EXPECT_EQ(Power({Adapter("Mains", "0\n", "Device\n"), Battery("Full", "100")}), "1/100");
    EXPECT_EQ(Power({Adapter("UPS", "1\n"), Adapter("Unknown", "1\n"), Battery("Discharging", "5")}), "0/5");
}

TEST(ProcReadingsPower, Percent) {
    EXPECT_EQ(Power({Battery("Discharging", "104\n")}), "0/100");
    EXPECT_EQ(Power({Battery("Discharging", "n/a\n")}), "0/255");
    // One battery without capacity: its own counters (charge in µAh here).
    SupplyFiles charge = Battery("Discharging", std::nullopt);
    charge.chargeNow = "2999000\n";
    charge.chargeFull = "4000000\n";
    EXPECT_EQ(Power({charge}), "0/75");
    // Several (two-batteries has their counters summed): the capacities when a counter is missing.
    const SupplyFiles small = Battery("Discharging", "10", "2000000\n", "20000000\n");
    EXPECT_EQ(Power({small, Battery("Discharging", "90", std::nullopt, "80000000\n")}), "0/50");
    EXPECT_EQ(Power({small, Battery("Discharging", std::nullopt)}), "0/10");
    EXPECT_EQ(Power({Battery("Discharging", std::nullopt, "2000000\n", "20000000\n"),
                     Battery("Discharging", std::nullopt, "0\n", "0\n")}),
              "0/10")
        << "a zero full counter adds nothing";
}

// --- the drive-letter map ------------------------------------------------------------------------

TEST(ProcReadingsDriveMap, LettersAndTheMap) {
    std::map<std::string, std::string> entries{
        {"D", "/home"}, {"E", ""}, {"F", "media/usb"}, {"G", "/mnt/g"}, {"C", "/boot"}};
    int lookups = 0;
    const auto map = [&](std::string_view key) -> std::optional<std::string> {
        ++lookups;
        const auto it = entries.find(std::string(key));
        return it == entries.end() ? std::nullopt : std::optional<std::string>(it->second);
    };
    // Plain lookups (D, an unmapped letter, "CD", "c") are SystemReadingsTest's, on a real settings file.
    EXPECT_EQ(DriveFolder("C", map), "/") << "C cannot be remapped";
    EXPECT_EQ(lookups, 0) << "the system drive needs no settings file";
    EXPECT_EQ(DriveFolder("E", map), std::nullopt) << "mapped to nothing";
    EXPECT_EQ(DriveFolder("F", map), std::nullopt) << "a relative folder would depend on the working folder";
    entries["CD"] = "/media/cdrom";
    EXPECT_EQ(DriveFolder("CD", map), "/media/cdrom") << "the element is the key as written";

    lookups = 0;
    for (const char* odd : {"", " D", "D ", "G=", "[G", ";G", "G\n"})
        EXPECT_EQ(DriveFolder(odd, map), std::nullopt) << '"' << odd << '"';
    EXPECT_EQ(lookups, 0) << "elements the settings file cannot spell are not looked up";
}

}  // namespace
