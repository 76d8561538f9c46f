// The Drive setting split into elements and each element checked against a drive map.
#include <cstdlib>

#include "FuzzInput.h"
#include "bar/basDiskSpace.h"
#include "platform/ProfileText.h"
#include "platform/linux/readings/ProcReadings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Fields fields(data, size);
    const std::string_view drives = fields.Next();
    const platform::profile::ProfileIndex map(fields.Rest());
    for (const std::string& element : basDiskSpace::SplitDriveList(drives)) {
        const auto folder =
            platform::posix::DriveFolder(element, [&map](std::string_view key) { return map.Find("DriveMap", key); });
        if (folder && (folder->empty() || folder->front() != '/'))
            std::abort();
    }
    return 0;
}
