// The bar's system readings on Linux as pure functions over the texts of /proc and sysfs files, so
// they can be tested with captured text; SystemReadings.cpp reads the files and calls them.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Platform.h"

namespace platform::posix {

// What the CPU meter needs from /proc/stat.
struct ProcStat {
    std::uint64_t idleJiffies = 0;  // idle + iowait of the aggregate "cpu" line
    std::uint32_t cpuLines = 0;     // the "cpuN" lines: the online processors the aggregate advances with
};

// nullopt when the aggregate line is missing or its idle field is not a number. A missing iowait
// field (kernels before 2.5.41) counts as zero.
std::optional<ProcStat> ParseProcStat(std::string_view text);

// floor(jiffies * 10^7 / ticksPerSecond) without the intermediate product overflowing.
std::uint64_t JiffiesToHundredNs(std::uint64_t jiffies, std::uint64_t ticksPerSecond);

// MemTotal and MemAvailable in bytes; without MemAvailable (kernels before 3.14) the available
// memory is MemFree + Buffers + Cached. Available never exceeds total. nullopt without MemTotal
// or MemFree, or when a value is not a number of kB.
std::optional<MemoryStatus> ParseMeminfo(std::string_view text);

// The texts of one /sys/class/power_supply/NAME folder's attribute files; nullopt for a file that
// is missing or could not be read. Texts are taken as read (with their trailing newline).
struct SupplyFiles {
    std::string name;
    std::optional<std::string> type;
    std::optional<std::string> scope;
    std::optional<std::string> online;
    std::optional<std::string> present;
    std::optional<std::string> status;
    std::optional<std::string> capacity;
    std::optional<std::string> energyNow;
    std::optional<std::string> energyFull;
    std::optional<std::string> chargeNow;
    std::optional<std::string> chargeFull;
};

// False for a peripheral's supply (scope "Device": a mouse, a tablet pen): nothing beyond type and
// scope needs to be read for it, and reading its charge may wake the device.
bool IsSystemSupply(const SupplyFiles& supply);

// The power status as Windows reports it, from the system's supplies. Adapters are supplies of type
// Mains, USB* (USB, USB_C, USB_PD, ...), BrickID or Wireless; batteries are type Battery with present
// not "0"; peripherals' supplies (scope Device) do not count. The first rule that applies decides:
//   no battery                     -> on mains: a desktop (adapters it lists offline are empty USB-C ports)
//   an adapter online              -> on mains
//   a battery Charging             -> on mains (its charger need not be a listed supply)
//   a battery Discharging          -> on battery
//   an adapter that reports offline -> on battery: the adapter's report is the firmware's line status,
//                                      and some batteries still say Full for a while after unplugging
//   a battery Full or Not charging -> on mains (no adapter listed; the battery is not running the machine)
//   otherwise                      -> 255, undetermined (batteries in state Unknown only)
// Percent: 255 without batteries. One battery: its capacity; several: energy_now/energy_full summed
// over all of them (else charge_now/charge_full), as the capacities of batteries of different sizes
// do not average; the mean capacity when neither sum is complete. 255 when nothing can be read.
PowerStatus ParsePowerSupplies(const std::vector<SupplyFiles>& supplies);

// The folder a drive-setting element stands for: "C" or "c" is the root file system; any other
// element is looked up through driveMap (the [DriveMap] entry of that name, nullopt when missing),
// and counts only when the entry is an absolute path. nullopt for an element with no folder,
// including ones a settings key cannot spell (empty, surrounding blanks, '=', a line break).
std::optional<std::string> DriveFolder(std::string_view element,
                                       const std::function<std::optional<std::string>(std::string_view)>& driveMap);

}  // namespace platform::posix
