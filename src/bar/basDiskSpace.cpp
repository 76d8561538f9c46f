// One measurement pass per tick queries every listed drive once; the sizes come from that pass.
#include "bar/basDiskSpace.h"

#include <cmath>
#include <optional>

#include "core/AppSettings.h"
#include "core/Numbers.h"
#include "core/basMain.h"
#include "platform/Platform.h"

namespace basDiskSpace {

namespace {

// Running totals in whole kibibytes. Doubles hold whole numbers exactly up to 2^53 KiB (8 EiB),
// so no realistic set of drives overflows them.
struct Totals {
    double availableKiB = 0;
    double sizeKiB = 0;
};

void AddKiB(double& total, std::uint64_t bytes) {
    total = std::nearbyint(total + static_cast<double>(bytes) / 1024.0);
}

// The totals of the latest pass of GetDriveUsage; nothing after a failed pass or while checking is off.
std::optional<Totals> lastPass;

void ReportFailure(const std::string& element, const std::string& description) {
    platform::Windows().ShowMessageBox(element + "ドライブの" + description, "Vigilon",
                                       platform::MessageIcon::Exclamation);
    basMain::DriveCheckEnabled = false;
}

// One pass over the listed drives; nothing after a failure (which has been reported) or while
// checking is off.
std::optional<Totals> Measure() {
    if (!basMain::DriveCheckEnabled || core::AppSettings.Drive.empty())
        return std::nullopt;
    Totals t;
    for (const std::string& element : SplitDriveList(core::AppSettings.Drive)) {
        const platform::DriveSpace d = platform::Readings().QueryDriveSpace(element);
        if (!d.ok) {
            ReportFailure(element, d.error);
            return std::nullopt;
        }
        AddKiB(t.availableKiB, d.available);
        AddKiB(t.sizeKiB, d.total);
    }
    return t;
}

double ToGB(double kib) {
    return core::RoundTo2(kib / 1024.0 / 1024.0);
}

}  // namespace

std::vector<std::string> SplitDriveList(std::string_view drives) {
    std::vector<std::string> out;
    for (;;) {
        const std::size_t comma = drives.find(',');
        out.emplace_back(drives.substr(0, comma));
        if (comma == std::string_view::npos)
            return out;
        drives.remove_prefix(comma + 1);
    }
}

double GetDriveUsage() {
    lastPass.reset();
    // The warning box of a failed pass pumps messages: another tick may run and pass inside it.
    const std::optional<Totals> t = Measure();
    lastPass = t;
    if (!t || t->sizeKiB <= 0)
        return -1;
    return 1.0 - t->availableKiB / t->sizeKiB;
}

double GetDriveTotalGB() {
    return lastPass && basMain::DriveCheckEnabled ? ToGB(lastPass->sizeKiB) : 0;
}

double GetDriveUsedGB() {
    return lastPass && basMain::DriveCheckEnabled ? ToGB(lastPass->sizeKiB - lastPass->availableKiB) : 0;
}

}  // namespace basDiskSpace
