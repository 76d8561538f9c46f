// The network adapters on Linux, in the shape of the Windows adapter records: every interface but
// loopback in the kernel's order, its first IPv4 address and mask and hardware address (getifaddrs),
// the gateway of its default route (/proc/net/route) and its name with its driver (sysfs).
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Platform.h"

namespace platform::posix {

// What the adapter list is made of: one getifaddrs entry, reduced to what the records use.
struct InterfaceEntry {
    std::string name;
    bool loopback = false;
    unsigned index = 0;                                 // the kernel's interface index; 0 unknown
    std::optional<std::vector<std::uint8_t>> hardware;  // a link-level entry: the hardware address
    std::optional<std::array<std::uint8_t, 4>> ipv4;    // an IPv4 entry: its address...
    std::array<std::uint8_t, 4> mask{};                 // ...and its netmask
};

// Default-route gateways by interface from /proc/net/route text (the kernel writes addresses as the
// hex of their in-memory value): the route with the lowest metric wins, the first of equals.
std::map<std::string, std::array<std::uint8_t, 4>> ParseDefaultGateways(std::string_view routeText);

// The adapter records: interfaces other than loopback, ordered by index (first seen among equals),
// each with its first IPv4 address, "0.0.0.0" where something is missing. No such interface answers
// as Windows does for a machine without adapters (232).
AdapterQuery BuildAdapterQuery(const std::vector<InterfaceEntry>& entries,
                               const std::map<std::string, std::array<std::uint8_t, 4>>& gateways,
                               const std::function<std::string(const std::string&)>& driverOf);

// The Windows error code a failed getifaddrs stands for: 50 not supported, 87 not allowed or invalid,
// 31 (a general failure, reported by nothing) for the rest.
std::uint32_t AdapterErrorCode(int error);

// The whole query on this machine.
AdapterQuery QueryAdapters();

}  // namespace platform::posix
