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
    strEngineVer = platform::System().ReadRegistryString(kEngineKey, "szEngineVer").value_or("");
    strDatVersion = platform::System().ReadRegistryString(kEngineKey, "szDatVersion").value_or("");
}

}  // namespace SystemSnapshot
