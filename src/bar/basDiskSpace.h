// How full the watched drives are, taken together. The first failed measurement is reported once
// and switches drive checking off until the bar starts again.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace basDiskSpace {

// The Drive setting split at every comma, empty elements kept, nothing trimmed.
std::vector<std::string> SplitDriveList(std::string_view drives);

// Used share 0..1 over all listed drives, from one pass that asks each listed drive once; -1 when
// checking is off, a drive failed (after its warning), the list is empty or the drives have no size.
double GetDriveUsage();
// Total and used size of the drives in GiB, to two decimals, from the latest pass of GetDriveUsage
// (a tick asks every drive once); 0 when checking is off or that pass failed.
double GetDriveTotalGB();
double GetDriveUsedGB();

}  // namespace basDiskSpace
