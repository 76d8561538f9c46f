// CPU load sampling.
#include "bar/basCPUUsage.h"

#include <algorithm>
#include <limits>

#include "core/Numbers.h"
#include "platform/Platform.h"

namespace basCPUUsage {

Sample Prev;

namespace {
std::int32_t g_lastReading = 0;
// The idle count moves a clock tick at a time (10 ms on Linux, 15.6 ms on Windows); over a shorter
// span an unchanged count says nothing of the load.
constexpr std::uint64_t kShortestSpan = 500'000;  // 50 ms in the 100 ns units of the samples
}  // namespace

std::optional<std::int32_t> UsageBetween(const Sample& prev, const Sample& next, std::uint32_t processors) {
    // Unsigned differences of the full 64-bit counts survive a wrap of their low 32 bits.
    const auto elapsed = static_cast<std::int64_t>(next.systemTime - prev.systemTime);
    if (elapsed <= 0)
        return std::nullopt;  // no time passed, or the clock was set back
    // Linux's iowait share of the idle count can step back a little; that is no idle time, not 2^64.
    const auto idle =
        static_cast<double>(std::max<std::int64_t>(static_cast<std::int64_t>(next.idleTime - prev.idleTime), 0));
    const double fraction = idle / static_cast<double>(elapsed) / std::max<std::uint32_t>(processors, 1);
    const std::int64_t usage = core::RoundHalfEven(100.0 - fraction * 100.0);
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(usage, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

std::int32_t GetCPUUsage() {
    const std::optional<platform::CpuTimes> t = platform::Readings().QueryCpuTimes();
    if (!t)
        return 0;
    const Sample next{t->idleTime, t->systemTime};
    if (Prev.idleTime == 0) {
        Prev = next;
        g_lastReading = 0;
        return 0;
    }
    // Two samples in a row (the re-created bar's start-up and the refresh after it take them) would
    // read 100 % for the whole interval: the reading stays, and the stored sample too, so the next
    // sample measures the whole span.
    if (next.idleTime == Prev.idleTime && next.systemTime - Prev.systemTime < kShortestSpan)
        return g_lastReading;
    const std::optional<std::int32_t> usage = UsageBetween(Prev, next, t->processors);
    Prev = next;
    if (usage)
        g_lastReading = *usage;
    return g_lastReading;
}

void Reset() {
    Prev = {};
    g_lastReading = 0;
}

}  // namespace basCPUUsage
