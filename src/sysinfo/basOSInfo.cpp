// Version records to display texts, by family, version and edition.
#include "sysinfo/basOSInfo.h"

#include <cstdint>

namespace basOSInfo {

namespace {

constexpr std::uint8_t kWorkstation = 1;  // 2 is a domain controller, a server too
constexpr std::uint8_t kServer = 3;
constexpr std::uint16_t kSuitePersonal = 0x200;

// The 95 family keeps its version numbers in the high half of the build number; the low half is
// the build, shown as the signed 16-bit number it is stored as.
std::string Windows95FamilyText(const platform::VersionRecord& v) {
    std::string text;
    if (v.major == 4 && v.minor == 0) {
        text = "Windows 95" + v.servicePack;
    } else if (v.major == 4 && v.minor == 10) {
        text = "Windows 98";
    } else if (v.major == 4 && v.minor == 90) {
        text = "Windows Me";
    } else {
        text = "Windows Me later";
    }
    const auto build = static_cast<std::int16_t>(static_cast<std::uint16_t>(v.build & 0xFFFF));
    return text + " Build: " + std::to_string(build);
}

// Vista and later by version, build and product type: the name the user knows the system by, or
// nothing for a version not known yet.
const char* WindowsSixAndLaterName(const platform::VersionRecord& v, bool server) {
    if (v.major == 6) {
        switch (v.minor) {
            case 0:
                return server ? "Windows Server 2008" : "Windows Vista";
            case 1:
                return server ? "Windows Server 2008 R2" : "Windows 7";
            case 2:
                return server ? "Windows Server 2012" : "Windows 8";
            case 3:
                return server ? "Windows Server 2012 R2" : "Windows 8.1";
            default:
                return nullptr;
        }
    }
    if (v.major != 10 || v.minor != 0)
        return nullptr;
    if (!server)
        return v.build >= 22000 ? "Windows 11" : "Windows 10";
    if (v.build >= 26100)
        return "Windows Server 2025";
    if (v.build >= 20348)
        return "Windows Server 2022";
    return v.build >= 17763 ? "Windows Server 2019" : "Windows Server 2016";
}

std::string WindowsNtFamilyText(const platform::VersionRecord& v) {
    // Without the extended record the edition decisions see zeros.
    const std::uint8_t productType = v.extended ? v.productType : 0;
    const std::uint16_t suiteMask = v.extended ? v.suiteMask : 0;
    std::string text;
    const char* named = v.major >= 6 ? WindowsSixAndLaterName(v, productType > kWorkstation) : nullptr;
    if (named) {
        text = std::string(named) + " Build: " + std::to_string(v.build);
    } else if (v.major > 5 || (v.major == 5 && v.minor >= 2)) {
        text = "Windows Whistlar later";
    } else if (v.major == 5 && v.minor == 0) {
        text = "Windows 2000";
        if (productType == kWorkstation)
            text += " Professional";
        else if (productType == kServer)
            text += " Server";
    } else if (v.major == 5) {
        text = "Windows XP";
        if (suiteMask & kSuitePersonal)
            text += " Home Edition";
        else if (productType == kWorkstation)
            text += " Professional";
        else if (productType == kServer)
            text = "Windows 2002 .NET Server";
    } else {
        const std::string minor = "00" + std::to_string(v.minor);
        text = "Windows NT Version " + std::to_string(v.major) + "." + minor.substr(minor.size() - 2);
        if (productType == kWorkstation)
            text += " Workstation";
        else if (productType == kServer)
            text += " Server";
    }
    if (!v.servicePack.empty())
        text += " " + v.servicePack;
    return text;
}

}  // namespace

std::string OSVersionText(const platform::VersionRecord& v) {
    if (!v.ok)
        return {};
    switch (v.platformId) {
        case 1:
            return Windows95FamilyText(v);
        case 2:
            return WindowsNtFamilyText(v);
        default:
            return {};
    }
}

std::string GetOSVersion() {
    const platform::VersionRecord v = platform::System().QueryVersionRecord();
    if (v.ok)
        return OSVersionText(v);
    return platform::System().QuerySystemDescription();
}

}  // namespace basOSInfo
