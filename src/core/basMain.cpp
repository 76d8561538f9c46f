// Process start, single instance and shutdown.
#include "core/basMain.h"

#include "bar/frmHidden.h"
#include "bar/frmMain.h"
#include "calendar/frmCalendar.h"
#include "platform/Platform.h"
#include "sysinfo/frmPopup.h"

namespace basMain {

bool DriveCheckEnabled = false;

namespace {
template <class F>
bool Shown() {
    return F::IsLoaded() && F::Get().Visible();
}
}  // namespace

int Main() {
    frmMain::Get();
    if (forms::registry::LoadedCount() > 0)
        platform::Current().RunLoop();
    forms::registry::FreeUnloaded();
    return 0;
}

bool AnotherInstanceRunning() {
    return !platform::Current().AcquireSingleInstance("Vigilon");
}

void Shutdown() {
    // The settings and about dialogs take their places in this order when they exist:
    // frmSetting first, frmAbout after frmMain.
    frmCalendar::Unload();
    frmMain::Unload();
    frmPopup::Unload();
    frmHidden::Unload();
}

void EndIfNothingShown() {
    if (!Shown<frmMain>() && !Shown<frmCalendar>() && !Shown<frmPopup>())
        Shutdown();
}

}  // namespace basMain
