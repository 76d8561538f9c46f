// The operating system's display text.
#pragma once

#include <string>

#include "platform/Platform.h"

namespace basOSInfo {

// The text for this system: from its Windows version record, or the system's own description where
// it has none.
std::string GetOSVersion();

// The text for a Windows version record; empty when the record is not ok or names neither family.
std::string OSVersionText(const platform::VersionRecord& v);

}  // namespace basOSInfo
