// The program's start-up wiring: start, shutdown order and the end-of-program rule.
#include "app/AppWiring.h"

#include <cmath>

#include "about/frmAbout.h"
#include "bar/frmHidden.h"
#include "bar/frmMain.h"
#include "calendar/frmCalendar.h"
#include "core/PlatformFamily.h"
#include "core/basMain.h"
#include "platform/Platform.h"
#include "settings/frmSetting.h"
#include "sysinfo/frmPopup.h"

namespace app {

namespace {
template <class F>
bool Shown() {
    return F::IsLoaded() && F::Get().Visible();
}

void Shutdown() {
    // The settings dialog goes first: its close brings the bar back, which the next steps close.
    frmSetting::Unload();
    frmCalendar::Unload();
    frmMain::Unload();
    frmAbout::Unload();
    frmPopup::Unload();
    frmHidden::Unload();
}

void EndIfNothingShown() {
    if (!Shown<frmMain>() && !Shown<frmCalendar>() && !Shown<frmPopup>() && !Shown<frmSetting>())
        Shutdown();
}

basMain::BarPosition CloseBar() {
    basMain::BarPosition at;
    if (frmMain::IsLoaded()) {
        frmMain& bar = frmMain::Get();
        at = {static_cast<std::int32_t>(std::lround(bar.Left())), static_cast<std::int32_t>(std::lround(bar.Top()))};
        frmMain::Unload();
    }
    frmCalendar::Unload();
    frmMain::bCalendar = false;
    return at;
}

void RecreateBar(basMain::BarPosition at) {
    frmMain& bar = frmMain::Get();  // a fresh bar: its start-up reads the settings file again
    bar.SetLeft(static_cast<forms::Twips>(at.left));
    bar.SetTop(static_cast<forms::Twips>(at.top));
    bar.CallCheck_Timer();
    bar.CallTime_Timer();
    core::ApplyTransparency(bar.hWnd());
    core::ApplyTransparency(frmCalendar::Get().hWnd());  // creates the calendar, hidden, if need be
    bar.Show();
}
}  // namespace

void InstallWiring() {
    basMain::Install({&Shutdown, &EndIfNothingShown, &CloseBar, &RecreateBar});
}

int Main() {
    InstallWiring();
    frmMain::Get();
    if (forms::registry::LoadedCount() > 0)
        platform::Loop().RunLoop();
    // Whatever the loop left loaded goes while the platform and its windows still exist.
    forms::registry::UnloadAll();
    forms::registry::FreeUnloaded();
    return 0;
}

}  // namespace app
