// The program's start-up wiring: start, shutdown order and the end-of-program rule.
#include "app/AppWiring.h"

#include "bar/frmHidden.h"
#include "bar/frmMain.h"
#include "calendar/frmCalendar.h"
#include "core/basMain.h"
#include "platform/Platform.h"
#include "sysinfo/frmPopup.h"

namespace app {

namespace {
template <class F>
bool Shown() {
    return F::IsLoaded() && F::Get().Visible();
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
}  // namespace

void InstallWiring() {
    basMain::Install({&Shutdown, &EndIfNothingShown});
}

int Main() {
    InstallWiring();
    frmMain::Get();
    if (forms::registry::LoadedCount() > 0)
        platform::Current().RunLoop();
    forms::registry::FreeUnloaded();
    return 0;
}

}  // namespace app
