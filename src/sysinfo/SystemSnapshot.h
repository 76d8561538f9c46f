// The system-information snapshot: the names and the OS text (kept in SharedState, which the bar and
// the popup read), the network adapters (basAdpterInfo's list) and the antivirus engine's version texts.
#pragma once

#include <string>

namespace SystemSnapshot {

// Empty when the product is not installed.
extern std::string strEngineVer;
extern std::string strDatVersion;

// Takes the whole snapshot: the names, the adapters (a failure is reported in a message box; the
// steps after it run all the same), the antivirus versions and the OS text.
void Take();

// Reads both versions from the registry; read whatever the McAfee setting, which only decides
// whether the popup shows them.
void GetMcAfeeVersion();

}  // namespace SystemSnapshot
