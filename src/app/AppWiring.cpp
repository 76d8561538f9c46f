// The program's start-up wiring: start, shutdown order, the end-of-program rule, the settings dialog
// around a closed bar, and the answers to the window requests one subsystem makes of another.
#include "app/AppWiring.h"

#include <cmath>
#include <cstdint>

#include "about/frmAbout.h"
#include "bar/frmHidden.h"
#include "bar/frmMain.h"
#include "calendar/frmCalendar.h"
#include "core/PlatformFamily.h"
#include "core/SharedState.h"
#include "core/WindowRequests.h"
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

// Notes where the bar is (rounded to whole twips), closes the bar and the calendar: the settings
// dialog edits no running bar.
void CloseBar() {
    if (frmMain::IsLoaded()) {
        frmMain& bar = frmMain::Get();
        SharedState::BarLeft = static_cast<std::int32_t>(std::lround(bar.Left()));
        SharedState::BarTop = static_cast<std::int32_t>(std::lround(bar.Top()));
        frmMain::Unload();
    } else {
        SharedState::BarLeft = 0;
        SharedState::BarTop = 0;
    }
    frmCalendar::Close();
}

// Creates the bar again, so its start-up reads the settings file anew, puts it where it stood, runs
// one follow tick and one refresh, makes the bar and the (hidden) calendar translucent and shows the bar.
void RecreateBar() {
    frmMain& bar = frmMain::Get();
    bar.SetLeft(static_cast<forms::Twips>(SharedState::BarLeft));
    bar.SetTop(static_cast<forms::Twips>(SharedState::BarTop));
    bar.CallCheck_Timer();
    bar.CallTime_Timer();
    core::ApplyTransparency(bar.hWnd());
    core::ApplyTransparency(frmCalendar::Get().hWnd());  // creates the calendar, hidden, if need be
    bar.Show();
}

void OpenSettings() {
    CloseBar();
    frmSetting& dialog = frmSetting::Get();
    dialog.onClosed = &RecreateBar;
    dialog.InitSetting();
}

// Modeless and without an owner: the bar keeps working while it is open. Shown active, so its keys
// (Enter, Escape, Alt+S) work at once.
void OpenAbout() {
    platform::Windows().Activate(frmAbout::Get().hWnd());
}

platform::WindowHandle CalendarWindow() {
    return frmCalendar::Get().hWnd();
}

void PlaceCalendar(const WindowRequests::Frame& bar) {
    frmCalendar::Get().PlaceUnder(bar);
}

void ShowCalendar() {
    frmCalendar::Get().Open();
}

void DismissCalendar() {
    frmCalendar::Get().Dismiss();
}

void CalendarKeyUp(int KeyCode, int Shift) {
    frmCalendar::Get().Call_Form_KeyUp(KeyCode, Shift);
}

void ShowPopup() {
    frmPopup::Get().Show();
}

std::optional<WindowRequests::Frame> BarFrame() {
    if (!frmMain::IsLoaded())
        return std::nullopt;
    return frmMain::Get().Frame();
}

void BarKeyUp(int KeyCode, int Shift) {
    if (frmMain::IsLoaded())
        frmMain::Get().Call_Form_KeyUp(KeyCode, Shift);
}

void CancelPopup() {
    if (frmMain::IsLoaded())
        frmMain::Get().CancelPopup();
}
}  // namespace

void InstallWiring() {
    basMain::Install({&Shutdown, &EndIfNothingShown});
    WindowRequests::Answers answers;
    answers.calendarWindow = &CalendarWindow;
    answers.placeCalendar = &PlaceCalendar;
    answers.showCalendar = &ShowCalendar;
    answers.dismissCalendar = &DismissCalendar;
    answers.closeCalendar = &frmCalendar::Close;
    answers.calendarKeyUp = &CalendarKeyUp;
    answers.showPopup = &ShowPopup;
    answers.closePopup = &frmPopup::Unload;
    answers.openSettings = &OpenSettings;
    answers.openAbout = &OpenAbout;
    answers.barFrame = &BarFrame;
    answers.barKeyUp = &BarKeyUp;
    answers.cancelPopup = &CancelPopup;
    WindowRequests::Install(answers);
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
