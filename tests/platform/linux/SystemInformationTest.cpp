// The Linux system-information sources: os-release, host names, the route table and the interface
// list turned into adapter records, on captured text and scripted interfaces; and the live machine.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <net/if.h>

#include "platform/linux/profile/AtomicFile.h"
#include "platform/linux/system/NetworkAdapters.h"
#include "platform/linux/system/SystemIdentity.h"
#include "platform/linux/x11/WindowShape.h"

namespace {

using namespace platform::posix;
using Address = std::array<std::uint8_t, 4>;

std::string Fixture(const std::string& name) {
    return ReadWholeFile(std::string(VIGILON_TEST_DATA) + "/" + name).value_or("");
}

std::string Text(const auto& field) {
    return std::string(field.data());
}
// A record's texts: description, address, mask and gateway.
std::vector<std::string> Texts(const platform::AdapterRecord& r) {
    return {Text(r.description), Text(r.ipAddress), Text(r.ipMask), Text(r.gateway)};
}

TEST(SystemIdentity, NamesFromTheirSources) {
    EXPECT_EQ(PrettyNameFromOsRelease(Fixture("os-release/debian-12")), "Debian GNU/Linux 12 (bookworm)");
    EXPECT_EQ(PrettyNameFromOsRelease(Fixture("os-release/quoted")), "Example \"Edge\" Linux $ 1.0");
    EXPECT_EQ(PrettyNameFromOsRelease(Fixture("os-release/no-pretty-name")), "Linux");
    EXPECT_EQ(PrettyNameFromOsRelease("PRETTY_NAME='Single \\n'\r\n"), "Single \\n");
    EXPECT_EQ(PrettyNameFromOsRelease("PRETTY_NAME=Bare"), "Bare");
    EXPECT_EQ(PrettyNameFromOsRelease(""), "Linux");

    EXPECT_EQ(ComputerNameFromHost("build-7.example.org"), "build-7");
    EXPECT_EQ(ComputerNameFromHost("vm"), "vm");
    EXPECT_EQ(ComputerNameFromHost("caf\xC3\xA9\xFF"), "caf\xC3\xA9\xEF\xBF\xBD");
    // Overlong forms, surrogates and cut sequences are not UTF-8.
    const std::string r = "\xEF\xBF\xBD";  // U+FFFD for each byte that is no part of a valid sequence
    EXPECT_EQ(ValidUtf8("\xC0\xAF|\xED\xA0\x80|\xE3\x81"), r + r + "|" + r + r + r + "|" + r + r);
}

TEST(NetworkAdapters, DefaultGatewaysFromTheRouteTable) {
    using Gateways = std::map<std::string, Address>;
    EXPECT_EQ(ParseDefaultGateways(Fixture("net/route-one-default")), (Gateways{{"eth0", {192, 0, 2, 1}}}));

    // The lowest metric per interface; device routes, routes not up and masked routes are no defaults.
    EXPECT_EQ(ParseDefaultGateways(Fixture("net/route-laptop")),
              (Gateways{{"eth0", {192, 168, 1, 254}}, {"wlan0", {192, 168, 1, 1}}}));
    EXPECT_TRUE(ParseDefaultGateways("").empty());
    // Fields part at any blanks; a short line is skipped; the last line needs no line end.
    EXPECT_EQ(ParseDefaultGateways("Iface\tDestination\n"
                                   "eth1 00000000\n"
                                   "eth1\t00000000 \t0102A8C0\t0003\t0\t0\t0\t00000000"),
              (Gateways{{"eth1", {192, 168, 2, 1}}}));
}

InterfaceEntry Link(const char* name, unsigned index, std::vector<std::uint8_t> mac, bool loopback = false) {
    InterfaceEntry e;
    e.name = name;
    e.index = index;
    e.loopback = loopback;
    e.hardware = std::move(mac);
    return e;
}

InterfaceEntry Inet(const char* name, Address address, Address mask) {
    InterfaceEntry e;
    e.name = name;
    e.ipv4 = address;
    e.mask = mask;
    e.loopback = e.name == "lo";  // every entry carries its interface's flags
    return e;
}

TEST(NetworkAdapters, RecordsInTheKernelsOrderWithoutLoopback) {
    // getifaddrs lists the link entries first, then the addresses; the indexes give the order.
    const std::vector<InterfaceEntry> entries = {
        Link("lo", 1, {0, 0, 0, 0, 0, 0}, true),
        Link("wlan0", 3, {0x3C, 0xA9, 0xF4, 0x01, 0x02, 0x03}),
        Link("eth0", 2, {0x00, 0x0C, 0x29, 0xAB, 0x01, 0xFF}),
        Link("ib0", 4, std::vector<std::uint8_t>(20, 0xAA)),
        Link("wg0", 5, {}),
        Inet("lo", {127, 0, 0, 1}, {255, 0, 0, 0}),
        Inet("eth0", {192, 168, 1, 20}, {255, 255, 255, 0}),
        Inet("eth0", {10, 0, 0, 5}, {255, 0, 0, 0}),  // a second address: not shown
        Inet("wg0", {10, 8, 0, 2}, {255, 255, 255, 255}),
    };
    const std::map<std::string, Address> gateways = {{"eth0", {192, 168, 1, 1}}, {"lo", {1, 1, 1, 1}}};
    const auto driver = [](const std::string& name) { return name == "eth0" ? std::string("e1000e") : ""; };
    const platform::AdapterQuery q = BuildAdapterQuery(entries, gateways, driver);

    EXPECT_EQ(std::pair(q.sizeQueryCode, q.listed), std::pair(platform::kAdapterBufferOverflow, true));
    ASSERT_EQ(q.adapters.size(), 4u);
    EXPECT_EQ(Texts(q.adapters[0]),
              (std::vector<std::string>{"eth0 (e1000e)", "192.168.1.20", "255.255.255.0", "192.168.1.1"}));
    EXPECT_EQ(Texts(q.adapters[1]), (std::vector<std::string>{"wlan0", "0.0.0.0", "0.0.0.0", "0.0.0.0"}));
    EXPECT_EQ(Text(q.adapters[3].ipAddress), "10.8.0.2");
    // A longer hardware address keeps the field's 8 bytes.
    EXPECT_EQ(std::tuple(q.adapters[0].addressLength, q.adapters[0].address[5], q.adapters[2].addressLength,
                         q.adapters[3].addressLength),
              std::tuple(6u, 0xFF, 8u, 0u));

    // Only loopback: no adapters, as Windows says it; failed queries by their causes.
    EXPECT_EQ(BuildAdapterQuery({entries[0], entries[5]}, gateways, driver).sizeQueryCode, 232u);
    EXPECT_EQ(std::tuple(AdapterErrorCode(EOPNOTSUPP), AdapterErrorCode(EACCES), AdapterErrorCode(ENOMEM)),
              std::tuple(50u, 87u, 31u));
}

TEST(NetworkAdapters, TheLiveMachineAgreesWithTheKernel) {
    const platform::AdapterQuery q = QueryAdapters();
    if (q.sizeQueryCode == 232)
        GTEST_SKIP() << "no interface but loopback here";
    ASSERT_TRUE(q.listed);
    unsigned previous = 0;
    for (const platform::AdapterRecord& a : q.adapters) {
        const std::string description = Text(a.description);
        const std::string name = description.substr(0, description.find(' '));
        const unsigned index = if_nametoindex(name.c_str());
        EXPECT_GT(index, previous) << name;
        previous = index;
        in_addr parsed{};
        EXPECT_EQ(inet_pton(AF_INET, a.ipAddress.data(), &parsed), 1) << name;
    }
}

TEST(WindowShape, RoundedBandsCoverTheRectangleButItsCorners) {
    const auto bands = platform::x11::RoundRectBands({0, 0, 344, 230}, 15, 15);
    ASSERT_GT(bands.size(), 2u);
    // Cut symmetrically at all four corners, y-x banded (each band starts where the last ended).
    EXPECT_GT(bands.front().left, 2);
    EXPECT_EQ(bands.front().right, 344 - bands.front().left);
    EXPECT_EQ(bands.back().left, bands.front().left);
    int area = 0;
    int y = 0;
    for (const platform::PixelRect& b : bands) {
        EXPECT_EQ(b.top, y);
        y = b.bottom;
        area += b.Width() * b.Height();
    }
    EXPECT_EQ(y, 230);
    EXPECT_NEAR(344 * 230 - area, 48, 8);  // four quarter ellipses cut (1 - pi / 4) * 15 * 15 pixels
    EXPECT_TRUE(platform::x11::RoundRectBands({0, 0, 0, 10}, 15, 15).empty());
}

}  // namespace
