// Parsing of /proc/stat, /proc/meminfo and power-supply attribute texts, and the drive-letter map,
// without touching any file.
#include "platform/linux/readings/ProcReadings.h"
#include "platform/TextTrim.h"

#include <charconv>
#include <limits>

namespace platform::posix {

namespace {

constexpr std::uint64_t kMax64 = std::numeric_limits<std::uint64_t>::max();

// Larger charge counters (a million kWh in µWh) are garbage; below it the sums cannot wrap.
constexpr std::uint64_t kMaxCounter = 1'000'000'000'000'000;

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view Trim(std::string_view s) {
    return TrimAny(s, " \t\r\n");
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Calls f with each line of text, without its line ending.
template <typename F>
void ForEachLine(std::string_view text, F f) {
    while (!text.empty()) {
        const std::size_t nl = text.find('\n');
        f(text.substr(0, nl));
        if (nl == std::string_view::npos)
            break;
        text.remove_prefix(nl + 1);
    }
}

// The next blank-separated word of s, removed from s; empty at the end.
std::string_view NextWord(std::string_view& s) {
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    std::size_t n = 0;
    while (n < s.size() && !IsBlank(s[n]))
        ++n;
    const std::string_view word = s.substr(0, n);
    s.remove_prefix(n);
    return word;
}

// A whole word of decimal digits that fits 64 bits.
std::optional<std::uint64_t> ParseU64(std::string_view word) {
    if (word.empty() || !IsDigit(word.front()))
        return std::nullopt;
    std::uint64_t value = 0;
    const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (ec != std::errc() || end != word.data() + word.size())
        return std::nullopt;
    return value;
}

std::optional<std::uint64_t> ParseU64(const std::optional<std::string>& text) {
    return text ? ParseU64(Trim(*text)) : std::nullopt;
}

std::string_view TextOf(const std::optional<std::string>& text) {
    return text ? Trim(*text) : std::string_view();
}

// "cpu" followed by at least one digit: the line of one processor.
bool IsProcessorLine(std::string_view label) {
    if (label.size() <= 3 || label.substr(0, 3) != "cpu")
        return false;
    for (const char c : label.substr(3)) {
        if (!IsDigit(c))
            return false;
    }
    return true;
}

// The value of a "Key:   123 kB" line in bytes; nullopt when it is not a number of kB.
std::optional<std::uint64_t> KilobyteValue(std::string_view rest) {
    const std::optional<std::uint64_t> kb = ParseU64(NextWord(rest));
    if (!kb || NextWord(rest) != "kB" || *kb > kMax64 / 1024)
        return std::nullopt;
    return *kb * 1024;
}

bool IsAdapterType(std::string_view type) {
    return type == "Mains" || type.substr(0, 3) == "USB" || type == "BrickID" || type == "Wireless";
}

std::uint8_t Clamped(std::uint64_t percent) {
    return static_cast<std::uint8_t>(percent > 100 ? 100 : percent);
}

// now/full summed over the batteries, rounded to the nearest percent; nullopt unless every battery
// has both counters and the full sum is not zero.
std::optional<std::uint8_t> SummedPercent(const std::vector<const SupplyFiles*>& batteries,
                                          std::optional<std::string> SupplyFiles::*nowField,
                                          std::optional<std::string> SupplyFiles::*fullField) {
    std::uint64_t now = 0;
    std::uint64_t full = 0;
    for (const SupplyFiles* b : batteries) {
        const std::optional<std::uint64_t> n = ParseU64(b->*nowField);
        const std::optional<std::uint64_t> f = ParseU64(b->*fullField);
        if (!n || !f || *n > kMaxCounter || *f > kMaxCounter)
            return std::nullopt;
        now += *n;
        full += *f;
    }
    if (full == 0)
        return std::nullopt;
    return Clamped((now * 200 + full) / (full * 2));
}

std::optional<std::uint8_t> MeanCapacity(const std::vector<const SupplyFiles*>& batteries) {
    std::uint64_t sum = 0;
    std::uint64_t count = 0;
    for (const SupplyFiles* b : batteries) {
        if (const std::optional<std::uint64_t> c = ParseU64(b->capacity)) {
            sum += Clamped(*c);
            ++count;
        }
    }
    if (count == 0)
        return std::nullopt;
    return Clamped((sum * 2 + count) / (count * 2));
}

std::uint8_t BatteryPercent(const std::vector<const SupplyFiles*>& batteries) {
    if (batteries.empty())
        return 255;
    std::optional<std::uint8_t> p;
    if (batteries.size() > 1) {
        p = SummedPercent(batteries, &SupplyFiles::energyNow, &SupplyFiles::energyFull);
        if (!p)
            p = SummedPercent(batteries, &SupplyFiles::chargeNow, &SupplyFiles::chargeFull);
    }
    if (!p)
        p = MeanCapacity(batteries);
    if (!p)
        p = SummedPercent(batteries, &SupplyFiles::energyNow, &SupplyFiles::energyFull);
    if (!p)
        p = SummedPercent(batteries, &SupplyFiles::chargeNow, &SupplyFiles::chargeFull);
    return p.value_or(255);
}

// A name the settings file can hold as a key exactly as written.
bool IsSpellableKey(std::string_view key) {
    if (key.empty() || IsBlank(key.front()) || IsBlank(key.back()) || key.front() == '[' || key.front() == ';')
        return false;
    return key.find_first_of(std::string_view("=\r\n\0", 4)) == std::string_view::npos;
}

}  // namespace

std::optional<ProcStat> ParseProcStat(std::string_view text) {
    std::optional<std::uint64_t> idle;
    std::uint32_t cpuLines = 0;
    bool aggregateSeen = false;
    ForEachLine(text, [&](std::string_view line) {
        const std::string_view label = NextWord(line);
        if (IsProcessorLine(label)) {
            ++cpuLines;
            return;
        }
        if (label != "cpu" || aggregateSeen)
            return;
        aggregateSeen = true;
        // user nice system idle iowait irq softirq steal guest guest_nice
        for (int field = 0; field < 3; ++field) {
            if (!ParseU64(NextWord(line)))
                return;
        }
        const std::optional<std::uint64_t> idleField = ParseU64(NextWord(line));
        const std::string_view iowaitWord = NextWord(line);
        const std::optional<std::uint64_t> iowait = iowaitWord.empty() ? std::uint64_t{0} : ParseU64(iowaitWord);
        if (idleField && iowait && *idleField <= kMax64 - *iowait)
            idle = *idleField + *iowait;
    });
    if (!idle)
        return std::nullopt;
    return ProcStat{*idle, cpuLines};
}

std::uint64_t JiffiesToHundredNs(std::uint64_t jiffies, std::uint64_t ticksPerSecond) {
    constexpr std::uint64_t kUnitsPerSecond = 10'000'000;
    if (ticksPerSecond == 0)
        return 0;
    const std::uint64_t seconds = jiffies / ticksPerSecond;
    const std::uint64_t rest = jiffies % ticksPerSecond;
    return seconds * kUnitsPerSecond + rest * kUnitsPerSecond / ticksPerSecond;
}

std::optional<MemoryStatus> ParseMeminfo(std::string_view text) {
    std::optional<std::uint64_t> total, available, memFree, buffers, cached;
    bool malformed = false;
    ForEachLine(text, [&](std::string_view line) {
        const std::size_t colon = line.find(':');
        if (colon == std::string_view::npos)
            return;
        const std::string_view key = line.substr(0, colon);
        std::optional<std::uint64_t>* slot = key == "MemTotal"       ? &total
                                             : key == "MemAvailable" ? &available
                                             : key == "MemFree"      ? &memFree
                                             : key == "Buffers"      ? &buffers
                                             : key == "Cached"       ? &cached
                                                                     : nullptr;
        if (!slot || *slot)
            return;
        *slot = KilobyteValue(line.substr(colon + 1));
        malformed = malformed || !*slot;
    });
    if (malformed || !total)
        return std::nullopt;
    if (!available) {
        if (!memFree)
            return std::nullopt;
        available = *memFree + buffers.value_or(0) + cached.value_or(0);
    }
    return MemoryStatus{*total, *available < *total ? *available : *total};
}

bool IsSystemSupply(const SupplyFiles& supply) {
    return TextOf(supply.scope) != "Device";
}

PowerStatus ParsePowerSupplies(const std::vector<SupplyFiles>& supplies) {
    std::vector<const SupplyFiles*> batteries;
    bool adapterOnline = false, adapterOffline = false;
    for (const SupplyFiles& s : supplies) {
        if (!IsSystemSupply(s))
            continue;
        const std::string_view type = TextOf(s.type);
        if (IsAdapterType(type)) {
            // USB adapters report 2 for "online, programmable".
            if (const std::optional<std::uint64_t> online = ParseU64(s.online))
                (*online != 0 ? adapterOnline : adapterOffline) = true;
        } else if (type == "Battery" && TextOf(s.present) != "0") {
            batteries.push_back(&s);
        }
    }

    const auto anyStatus = [&](std::string_view status) {
        for (const SupplyFiles* b : batteries) {
            if (TextOf(b->status) == status)
                return true;
        }
        return false;
    };
    std::uint8_t ac = 255;
    if (batteries.empty() || adapterOnline || anyStatus("Charging"))
        ac = 1;
    else if (anyStatus("Discharging") || adapterOffline)
        ac = 0;
    else if (anyStatus("Full") || anyStatus("Not charging"))
        ac = 1;
    return PowerStatus{ac, BatteryPercent(batteries)};
}

std::optional<std::string> DriveFolder(std::string_view element,
                                       const std::function<std::optional<std::string>(std::string_view)>& driveMap) {
    if (element == "C" || element == "c")
        return "/";
    if (!IsSpellableKey(element))
        return std::nullopt;
    std::optional<std::string> folder = driveMap(element);
    if (!folder || folder->empty() || folder->front() != '/')
        return std::nullopt;
    return folder;
}

}  // namespace platform::posix
