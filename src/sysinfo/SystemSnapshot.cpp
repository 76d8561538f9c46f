// The snapshot's steps and the antivirus engine's version values in the registry.
#include "sysinfo/SystemSnapshot.h"

#include <utility>

#include "core/SharedState.h"
#include "platform/Platform.h"
#include "sysinfo/basAdpterInfo.h"
#include "sysinfo/basOSInfo.h"

namespace SystemSnapshot {

std::string strEngineVer;
std::string strDatVersion;

namespace {
constexpr const char* kEngineKey = "SOFTWARE\\Network Associates\\TVD\\Shared Components\\VirusScan Engine\\4.0.xx";
}  // namespace

void Take() {
    std::string computerName = platform::System().QueryComputerName();
    std::string userName = platform::System().QueryUserName();
    basAdpterInfo::LoadAdapterInfo();
    GetMcAfeeVersion();
    SharedState::strOSVersion = basOSInfo::GetOSVersion();
    SharedState::strComName = std::move(computerName);
    SharedState::strUserName = std::move(userName);
}

void GetMcAfeeVersion() {
    strEngineVer = platform::System().ReadRegistryString(kEngineKey, "szEngineVer").value_or("");
    strDatVersion = platform::System().ReadRegistryString(kEngineKey, "szDatVersion").value_or("");
}

}  // namespace SystemSnapshot
