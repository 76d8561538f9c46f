// CPU load from two samples of the system's idle time and clock.
#pragma once

#include <cstdint>
#include <optional>

namespace basCPUUsage {

// Both counters in 100-nanosecond units.
struct Sample {
    std::uint64_t idleTime = 0;
    std::uint64_t systemTime = 0;
};

// The last stored sample; all zero until the first one.
extern Sample Prev;

// Load in percent between two samples. The idle counter adds up every processor, so its share of
// the elapsed time is divided by their number. Nothing when no clock time passed between them.
std::optional<std::int32_t> UsageBetween(const Sample& prev, const Sample& next, std::uint32_t processors);

// Takes a sample and returns the load since the stored one. The first sample only stores itself
// and returns 0; a failed query returns 0 and keeps the stored sample; a sample taken with no clock
// time elapsed repeats the last reading.
std::int32_t GetCPUUsage();

// Forgets every sample (a new process starts this way).
void Reset();

}  // namespace basCPUUsage
