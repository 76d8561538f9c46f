// The parts of the system-information snapshot that belong to no window: the antivirus engine's
// version texts. (The names and the OS text are the bar's, the adapters basAdpterInfo's.)
#pragma once

#include <string>

namespace SystemSnapshot {

// Empty when the product is not installed.
extern std::string strEngineVer;
extern std::string strDatVersion;

// Reads both versions from the registry; read whatever the McAfee setting, which only decides
// whether the popup shows them.
void GetMcAfeeVersion();

}  // namespace SystemSnapshot
