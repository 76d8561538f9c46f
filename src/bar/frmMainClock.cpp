// The clock tick: hover detection for the information popup, the calendar kept created, following
// re-enabled, and the time with the date as its tooltip.
#include "bar/frmMain.h"
#include "calendar/frmCalendar.h"
#include "core/AppSettings.h"
#include "sysinfo/frmPopup.h"

void frmMain::tmrTime_Timer() {
    platform::Platform& p = platform::Current();
    const platform::PixelPoint cursor = p.GetCursorPos();
    if (!bCalendar)
        HoverStep(forms::ToTwips(cursor.x), forms::ToTwips(cursor.y));
    frmCalendar::Get();
    if (core::AppSettings.ActiveWindow == 0)
        tmrCheck.SetEnabled(true);
    const platform::LocalTime now = p.Now();
    lblTime.SetCaption(p.FormatTime(now));
    lblTime.SetToolTipText(p.FormatShortDate(now));
}

// Inside and outside are strict: a cursor exactly on an edge of the bar changes nothing.
void frmMain::HoverStep(forms::Twips x, forms::Twips y) {
    const platform::PixelRect r = platform::Current().GetWindowRect(hWnd());
    const forms::Twips left = forms::ToTwips(r.left);
    const forms::Twips top = forms::ToTwips(r.top);
    const forms::Twips right = forms::ToTwips(r.right);
    const forms::Twips bottom = forms::ToTwips(r.bottom);
    if (!bPopupArmed_ && left < x && x < right && top < y && y < bottom) {
        tmrToolTip.SetInterval(1000);
        tmrToolTip.SetEnabled(true);
        bPopupArmed_ = true;
    } else if (bPopupArmed_ && (x < left || x > right || y < top || y > bottom)) {
        CancelPopup();
        bPopupArmed_ = false;
    }
}

void frmMain::CancelPopup() {
    tmrToolTip.SetInterval(0);
    tmrToolTip.SetEnabled(false);
    frmPopup::Unload();
}

// While the trigger stays armed the popup is shown again every second.
void frmMain::tmrToolTip_Timer() {
    frmPopup::Get().Show();
}
