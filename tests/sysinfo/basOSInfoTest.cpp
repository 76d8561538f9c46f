// The OS display text for every row of both version tables.
#include <gtest/gtest.h>

#include "support/FakeFixture.h"
#include "sysinfo/basOSInfo.h"

namespace {

struct VersionCase {
    const char* what;
    platform::VersionRecord record;
    const char* text;
};

using U32 = std::uint32_t;
platform::VersionRecord Win9x(U32 minor, U32 build, const char* csd, U32 major = 4) {
    return {true, false, 1, major, minor, build, csd, 0, 0};
}
platform::VersionRecord Nt(U32 major, U32 minor, const char* csd, bool ext, std::uint8_t type = 0, U32 suite = 0) {
    return {true, ext, 2, major, minor, 2600, csd, type, static_cast<std::uint16_t>(suite)};
}
// Vista and later as RtlGetVersion reports them: extended, with their own build numbers.
platform::VersionRecord Nt6(U32 major, U32 minor, U32 build, std::uint8_t type, const char* csd = "") {
    return {true, true, 2, major, minor, build, csd, type, 0x100};
}

const VersionCase kVersions[] = {
    {"95: service text glued on, before the build", Win9x(0, 0x040003B6, " C"), "Windows 95 C Build: 950"},
    {"98: no service text", Win9x(10, 0x040A08AE, " A "), "Windows 98 Build: 2222"},
    {"Me", Win9x(90, 0x045A0BB8, ""), "Windows Me Build: 3000"},
    {"a later 4.x", Win9x(95, 7, ""), "Windows Me later Build: 7"},
    {"major 5 of the family", Win9x(0, 1, "x", 5), "Windows Me later Build: 1"},
    {"low half 0x8000 and up is negative", Win9x(10, 0x0000FFFE, ""), "Windows 98 Build: -2"},
    {"NT 4.0 workstation, extended", Nt(4, 0, "Service Pack 6", true, 1),
     "Windows NT Version 4.00 Workstation Service Pack 6"},
    {"NT 4.0 server, extended", Nt(4, 0, "", true, 3), "Windows NT Version 4.00 Server"},
    {"NT 4.0 without the extended record", Nt(4, 0, "Service Pack 3", false, 1),
     "Windows NT Version 4.00 Service Pack 3"},
    {"3.51", Nt(3, 51, "", false), "Windows NT Version 3.51"},
    {"3.10", Nt(3, 10, "", false), "Windows NT Version 3.10"},
    {"minor 1", Nt(3, 1, "", false), "Windows NT Version 3.01"},
    {"2000 Professional", Nt(5, 0, "Service Pack 4", true, 1), "Windows 2000 Professional Service Pack 4"},
    {"2000 Server", Nt(5, 0, "", true, 3), "Windows 2000 Server"},
    {"2000 domain controller", Nt(5, 0, "Service Pack 2", true, 2), "Windows 2000 Service Pack 2"},
    {"XP Home whatever the product type", Nt(5, 1, "Service Pack 2", true, 3, 0x200),
     "Windows XP Home Edition Service Pack 2"},
    {"XP Professional", Nt(5, 1, "", true, 1), "Windows XP Professional"},
    {"5.1 server", Nt(5, 1, "Service Pack 1", true, 3), "Windows 2002 .NET Server Service Pack 1"},
    {"5.1 without the extended record", Nt(5, 1, "", false, 1, 0x200), "Windows XP"},
    {"5.2", Nt(5, 2, "Service Pack 2", true, 3), "Windows Whistlar later Service Pack 2"},
    {"Vista", Nt6(6, 0, 6002, 1, "Service Pack 2"), "Windows Vista Build: 6002 Service Pack 2"},
    {"Server 2008", Nt6(6, 0, 6001, 3, "Service Pack 1"), "Windows Server 2008 Build: 6001 Service Pack 1"},
    {"7", Nt6(6, 1, 7601, 1, "Service Pack 1"), "Windows 7 Build: 7601 Service Pack 1"},
    {"Server 2008 R2 as a domain controller", Nt6(6, 1, 7600, 2), "Windows Server 2008 R2 Build: 7600"},
    {"8", Nt6(6, 2, 9200, 1), "Windows 8 Build: 9200"},
    {"Server 2012", Nt6(6, 2, 9200, 3), "Windows Server 2012 Build: 9200"},
    {"8.1", Nt6(6, 3, 9600, 1), "Windows 8.1 Build: 9600"},
    {"Server 2012 R2", Nt6(6, 3, 9600, 3), "Windows Server 2012 R2 Build: 9600"},
    {"10 1507", Nt6(10, 0, 10240, 1), "Windows 10 Build: 10240"},
    {"10 22H2", Nt6(10, 0, 19045, 1), "Windows 10 Build: 19045"},
    {"11 at its first build", Nt6(10, 0, 22000, 1), "Windows 11 Build: 22000"},
    {"11 24H2", Nt6(10, 0, 26100, 1), "Windows 11 Build: 26100"},
    {"Server 2016", Nt6(10, 0, 14393, 3), "Windows Server 2016 Build: 14393"},
    {"Server 2019", Nt6(10, 0, 17763, 3), "Windows Server 2019 Build: 17763"},
    {"Server 2022", Nt6(10, 0, 20348, 2), "Windows Server 2022 Build: 20348"},
    {"Server 2025", Nt6(10, 0, 26100, 3), "Windows Server 2025 Build: 26100"},
    {"6.x not known yet", Nt6(6, 4, 9841, 1), "Windows Whistlar later"},
    {"a version after 10.0", Nt6(11, 0, 30000, 1, "X"), "Windows Whistlar later X"},
    {"another platform id", {true, true, 3, 5, 1, 0, "", 1, 0}, ""},
    {"the plain query failed", {false, true, 2, 5, 1, 0, "", 1, 0}, ""},
};

TEST(OSVersionText, EveryRowOfBothTables) {
    for (const VersionCase& c : kVersions)
        EXPECT_EQ(basOSInfo::OSVersionText(c.record), c.text) << c.what;
}

class OSVersion : public testsupport::FakeFixture {};

TEST_F(OSVersion, ASystemWithoutAWindowsRecordNamesItself) {
    fake.systemDescription = "Debian GNU/Linux 12 (bookworm) 6.1.0-18-amd64";
    EXPECT_EQ(basOSInfo::GetOSVersion(), fake.systemDescription);
    fake.versionRecord = Nt(5, 1, "", true, 1);
    EXPECT_EQ(basOSInfo::GetOSVersion(), "Windows XP Professional");
}

}  // namespace
