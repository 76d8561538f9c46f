// Linux network interfaces as adapter records.
#include "platform/linux/system/NetworkAdapters.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <linux/if_packet.h>
#include <net/if.h>
#include <netinet/in.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <utility>

#include "platform/linux/profile/AtomicFile.h"

namespace platform::posix {

namespace {

constexpr unsigned kRouteUp = 0x1;
constexpr unsigned kRouteGateway = 0x2;

template <std::size_t N>
void CopyText(std::array<char, N>& field, std::string_view text) {
    field.fill('\0');
    std::memcpy(field.data(), text.data(), std::min(text.size(), N - 1));
}

void CopyDotted(std::array<char, 16>& field, const std::array<std::uint8_t, 4>& a) {
    char text[INET_ADDRSTRLEN] = "0.0.0.0";
    ::inet_ntop(AF_INET, a.data(), text, sizeof text);
    CopyText(field, text);
}

// The description keeps whole UTF-8 characters within its 131 bytes.
std::string_view FitDescription(std::string_view text, std::size_t bytes) {
    if (text.size() <= bytes)
        return text;
    std::size_t end = bytes;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        --end;
    return text.substr(0, end);
}

std::optional<unsigned> HexField(std::string_view field) {
    unsigned value = 0;
    const auto [end, ec] = std::from_chars(field.data(), field.data() + field.size(), value, 16);
    if (ec != std::errc() || end != field.data() + field.size())
        return std::nullopt;
    return value;
}

// The last part of the driver link's target (".../drivers/e1000e"); empty without one.
std::string DriverOf(const std::string& name) {
    if (name.empty() || name.find('/') != std::string::npos || name == "." || name == "..")
        return {};
    const std::string link = "/sys/class/net/" + name + "/device/driver";
    char target[4096];
    const ssize_t n = ::readlink(link.c_str(), target, sizeof target);
    if (n <= 0 || static_cast<std::size_t>(n) >= sizeof target)
        return {};
    const std::string_view path(target, static_cast<std::size_t>(n));
    return std::string(path.substr(path.find_last_of('/') + 1));
}

// The next field of a line, fields being separated by blanks; empty when none is left.
std::string_view NextField(std::string_view& line) {
    constexpr std::string_view kBlanks = " \t\r\v\f";
    const std::size_t start = line.find_first_not_of(kBlanks);
    if (start == std::string_view::npos) {
        line = {};
        return {};
    }
    line.remove_prefix(start);
    const std::size_t end = std::min(line.find_first_of(kBlanks), line.size());
    const std::string_view field = line.substr(0, end);
    line.remove_prefix(end);
    return field;
}

}  // namespace

std::map<std::string, std::array<std::uint8_t, 4>> ParseDefaultGateways(std::string_view routeText) {
    std::map<std::string, std::array<std::uint8_t, 4>> gateways;
    std::map<std::string, unsigned> metrics;
    bool titles = true;  // the first line holds the column titles
    while (!routeText.empty()) {
        const std::size_t eol = std::min(routeText.find('\n'), routeText.size());
        std::string_view line = routeText.substr(0, eol);
        routeText.remove_prefix(std::min(eol + 1, routeText.size()));
        if (std::exchange(titles, false))
            continue;
        std::string_view fields[8];
        for (std::string_view& field : fields)
            field = NextField(line);
        if (fields[7].empty())
            continue;
        const std::string iface(fields[0]);
        const std::string_view destination = fields[1], gateway = fields[2], flags = fields[3], metric = fields[6],
                               mask = fields[7];
        const auto dest = HexField(destination);
        const auto gw = HexField(gateway);
        const auto fl = HexField(flags);
        const auto mk = HexField(mask);
        unsigned rank = 0;
        const auto [end, ec] = std::from_chars(metric.data(), metric.data() + metric.size(), rank);
        if (!dest || !gw || !fl || !mk || ec != std::errc() || end != metric.data() + metric.size())
            continue;
        if (*dest != 0 || *mk != 0 || (*fl & (kRouteUp | kRouteGateway)) != (kRouteUp | kRouteGateway))
            continue;
        if (const auto seen = metrics.find(iface); seen != metrics.end() && seen->second <= rank)
            continue;
        metrics[iface] = rank;
        // The kernel printed the address's in-memory value, so its bytes are the address in order.
        const std::uint32_t value = *gw;
        std::array<std::uint8_t, 4> bytes{};
        std::memcpy(bytes.data(), &value, 4);
        gateways[iface] = bytes;
    }
    return gateways;
}

AdapterQuery BuildAdapterQuery(const std::vector<InterfaceEntry>& entries,
                               const std::map<std::string, std::array<std::uint8_t, 4>>& gateways,
                               const std::function<std::string(const std::string&)>& driverOf) {
    struct Interface {
        std::string name;
        unsigned index = 0;
        const InterfaceEntry* link = nullptr;
        const InterfaceEntry* ipv4 = nullptr;
    };
    std::vector<Interface> interfaces;
    for (const InterfaceEntry& e : entries) {
        if (e.loopback || e.name.empty())
            continue;
        auto it =
            std::find_if(interfaces.begin(), interfaces.end(), [&](const Interface& i) { return i.name == e.name; });
        if (it == interfaces.end())
            it = interfaces.insert(interfaces.end(), Interface{e.name});
        if (e.index != 0 && it->index == 0)
            it->index = e.index;
        if (e.hardware && !it->link)
            it->link = &e;
        if (e.ipv4 && !it->ipv4)
            it->ipv4 = &e;
    }
    std::stable_sort(interfaces.begin(), interfaces.end(),
                     [](const Interface& a, const Interface& b) { return a.index < b.index; });

    AdapterQuery query;
    if (interfaces.empty()) {
        query.sizeQueryCode = 232;
        return query;
    }
    query.sizeQueryCode = kAdapterBufferOverflow;
    query.listed = true;
    constexpr std::array<std::uint8_t, 4> kNone{};
    for (const Interface& i : interfaces) {
        AdapterRecord r;
        const std::string driver = driverOf(i.name);
        const std::string description = driver.empty() ? i.name : i.name + " (" + driver + ")";
        CopyText(r.description, FitDescription(description, r.description.size() - 1));
        if (i.link) {
            const std::vector<std::uint8_t>& hw = *i.link->hardware;
            r.addressLength = static_cast<std::uint32_t>(std::min(hw.size(), r.address.size()));
            std::copy_n(hw.begin(), r.addressLength, r.address.begin());
        }
        CopyDotted(r.ipAddress, i.ipv4 ? *i.ipv4->ipv4 : kNone);
        CopyDotted(r.ipMask, i.ipv4 ? i.ipv4->mask : kNone);
        const auto gw = gateways.find(i.name);
        CopyDotted(r.gateway, gw != gateways.end() ? gw->second : kNone);
        query.adapters.push_back(r);
    }
    return query;
}

std::uint32_t AdapterErrorCode(int error) {
    switch (error) {
        case ENOSYS:
        case EOPNOTSUPP:
        case EAFNOSUPPORT:
            return 50;
        case EINVAL:
        case EFAULT:
        case EACCES:
        case EPERM:
            return 87;
        default:
            return 31;
    }
}

AdapterQuery QueryAdapters() {
    ifaddrs* list = nullptr;
    if (::getifaddrs(&list) != 0) {
        AdapterQuery failed;
        failed.sizeQueryCode = AdapterErrorCode(errno);
        return failed;
    }
    std::vector<InterfaceEntry> entries;
    for (const ifaddrs* a = list; a; a = a->ifa_next) {
        if (!a->ifa_name || !a->ifa_addr)
            continue;
        InterfaceEntry e;
        e.name = a->ifa_name;
        e.loopback = (a->ifa_flags & IFF_LOOPBACK) != 0;
        if (a->ifa_addr->sa_family == AF_PACKET) {
            sockaddr_ll link{};
            std::memcpy(&link, a->ifa_addr, sizeof link);
            e.index = static_cast<unsigned>(link.sll_ifindex);
            const std::size_t length = std::min<std::size_t>(link.sll_halen, sizeof link.sll_addr);
            e.hardware = std::vector<std::uint8_t>(link.sll_addr, link.sll_addr + length);
        } else if (a->ifa_addr->sa_family == AF_INET) {
            sockaddr_in in{};
            std::memcpy(&in, a->ifa_addr, sizeof in);
            e.ipv4.emplace();
            std::memcpy(e.ipv4->data(), &in.sin_addr, 4);
            if (a->ifa_netmask) {
                std::memcpy(&in, a->ifa_netmask, sizeof in);
                std::memcpy(e.mask.data(), &in.sin_addr, 4);
            }
            e.index = ::if_nametoindex(a->ifa_name);
        } else {
            continue;
        }
        entries.push_back(std::move(e));
    }
    ::freeifaddrs(list);
    const std::string routes = ReadWholeFile("/proc/net/route").value_or(std::string());
    return BuildAdapterQuery(entries, ParseDefaultGateways(routes), &DriverOf);
}

}  // namespace platform::posix
