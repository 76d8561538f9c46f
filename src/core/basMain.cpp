// Process-wide start-up state, the single-instance test, and the installed window wiring.
#include "core/basMain.h"

#include "platform/Platform.h"

namespace basMain {

bool DriveCheckEnabled = false;

namespace {
Wiring installed;
}  // namespace

bool AnotherInstanceRunning() {
    return !platform::System().AcquireSingleInstance("Vigilon");
}

void Install(const Wiring& wiring) {
    installed = wiring;
}

void Shutdown() {
    if (installed.shutdown)
        installed.shutdown();
}

void EndIfNothingShown() {
    if (installed.endIfNothingShown)
        installed.endIfNothingShown();
}

}  // namespace basMain
