// The antivirus engine's version values in the registry.
#include "sysinfo/SystemSnapshot.h"

#include "platform/Platform.h"

namespace SystemSnapshot {

std::string strEngineVer;
std::string strDatVersion;

namespace {
constexpr const char* kEngineKey = "SOFTWARE\\Network Associates\\TVD\\Shared Components\\VirusScan Engine\\4.0.xx";
}  // namespace

void GetMcAfeeVersion() {
    platform::Platform& p = platform::Current();
    strEngineVer = p.ReadRegistryString(kEngineKey, "szEngineVer").value_or("");
    strDatVersion = p.ReadRegistryString(kEngineKey, "szDatVersion").value_or("");
}

}  // namespace SystemSnapshot
