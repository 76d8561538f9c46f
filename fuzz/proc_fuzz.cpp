// The /proc and /sys parsers behind the CPU, memory and power meters.
#include <cstdlib>

#include "FuzzInput.h"
#include "platform/linux/readings/ProcReadings.h"

using namespace platform::posix;

namespace {
std::optional<std::string> Optional(std::string_view field) {
    if (field == "-")
        return std::nullopt;
    return std::string(field);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (const auto stat = ParseProcStat(text))
        JiffiesToHundredNs(stat->idleJiffies, 100);
    if (const auto mem = ParseMeminfo(text); mem && mem->availPhys > mem->totalPhys)
        std::abort();

    // The same bytes as power supplies: ten fields each, "-" for a file that is missing.
    fuzz::Fields fields(data, size);
    std::vector<SupplyFiles> supplies;
    while (!fields.Rest().empty() && supplies.size() < 8) {
        SupplyFiles s;
        s.name = fields.Next();
        for (std::optional<std::string>* file : {&s.type, &s.scope, &s.online, &s.present, &s.status, &s.capacity,
                                                 &s.energyNow, &s.energyFull, &s.chargeNow, &s.chargeFull})
            *file = Optional(fields.Next());
        IsSystemSupply(s);
        supplies.push_back(std::move(s));
    }
    const platform::PowerStatus power = ParsePowerSupplies(supplies);
    if (power.batteryLifePercent > 100 && power.batteryLifePercent != 255)
        std::abort();
    return 0;
}
