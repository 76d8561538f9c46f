// The clock tick: hover detection for the information popup while the bar is shown, the calendar kept
// created, following re-enabled, and the time with the date as its tooltip.
#include "bar/frmMain.h"
#include "calendar/frmCalendar.h"
#include "core/AppSettings.h"
#include "sysinfo/frmPopup.h"

void frmMain::tmrTime_Timer() {
    platform::Platform& p = platform::Current();
    // A bar hidden for a full-screen window has nothing to hover over.
    if (!bCalendar && Visible())
        HoverStep();
    frmCalendar::Get();
    if (core::AppSettings.ActiveWindow == 0)
        tmrCheck.SetEnabled(true);
    const platform::LocalTime now = p.Now();
    lblTime.SetCaption(p.FormatTime(now));
    lblTime.SetToolTipText(p.FormatShortDate(now));
}

// Inside and outside are strict: a cursor exactly on an edge of the bar changes nothing. The cursor
// is asked for only while it may be on the bar: while the bar's own events have it over the bar, and
// after it went off until a tick sees it outside (it may rest on the edge, or a menu may hold it over
// the bar). Once seen outside it cannot come back without the bar hearing of it.
void frmMain::HoverStep() {
    bool inside = false;
    bool outside = true;
    if (PointerOver() || !bPointerAway_) {
        const platform::PixelPoint cursor = platform::Current().GetCursorPos();
        const forms::Twips x = forms::ToTwips(cursor.x);
        const forms::Twips y = forms::ToTwips(cursor.y);
        const platform::PixelRect r = platform::Current().GetWindowRect(hWnd());
        const forms::Twips left = forms::ToTwips(r.left);
        const forms::Twips top = forms::ToTwips(r.top);
        const forms::Twips right = forms::ToTwips(r.right);
        const forms::Twips bottom = forms::ToTwips(r.bottom);
        inside = left < x && x < right && top < y && y < bottom;
        outside = x < left || x > right || y < top || y > bottom;
        bPointerAway_ = outside && !PointerOver();
    }
    if (!bPopupArmed_ && inside) {
        tmrToolTip.SetInterval(1000);
        tmrToolTip.SetEnabled(true);
        bPopupArmed_ = true;
    } else if (bPopupArmed_ && outside) {
        CancelPopup();
        bPopupArmed_ = false;
    }
}

void frmMain::Form_MouseLeave() {
    bPointerAway_ = false;
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
