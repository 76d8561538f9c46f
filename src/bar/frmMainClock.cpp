// The clock tick: hover detection for the information popup while the bar is shown, the calendar kept
// created, following re-enabled, and the time with the date as its tooltip.
#include "bar/frmMain.h"
#include "core/AppSettings.h"
#include "core/SharedState.h"

void frmMain::tmrTime_Timer() {
    // A bar hidden for a full-screen window has nothing to hover over.
    if (Visible())
        HoverStep();
    WindowRequests::CalendarWindow();  // keeps the calendar created, hidden until it is shown
    if (core::AppSettings.ActiveWindow == kFollowActiveWindow)
        tmrCheck.SetEnabled(true);
    const platform::LocalTime now = platform::Readings().Now();
    lblTime.SetCaption(platform::Readings().FormatTime(now));
    lblTime.SetToolTipText(platform::Readings().FormatShortDate(now));
}

// Inside and outside are strict: a cursor exactly on an edge of the bar is neither. The cursor is
// asked for only while it may be on the bar: while the bar's own events have it over the bar, and
// after it went off until it is seen outside (it may rest on the edge, or a menu may hold it over
// the bar). Once seen outside it cannot come back without the bar hearing of it.
frmMain::PointerPlace frmMain::WherePointerIs() {
    if (!PointerOver() && bPointerAway_)
        return PointerPlace::Outside;
    const platform::PixelPoint cursor = platform::Desktop().GetCursorPos();
    const forms::Twips x = forms::ToTwips(cursor.x);
    const forms::Twips y = forms::ToTwips(cursor.y);
    const platform::PixelRect r = platform::Desktop().GetWindowRect(hWnd());
    const forms::Twips left = forms::ToTwips(r.left);
    const forms::Twips top = forms::ToTwips(r.top);
    const forms::Twips right = forms::ToTwips(r.right);
    const forms::Twips bottom = forms::ToTwips(r.bottom);
    const bool outside = x < left || x > right || y < top || y > bottom;
    bPointerAway_ = outside && !PointerOver();
    if (outside)
        return PointerPlace::Outside;
    return left < x && x < right && top < y && y < bottom ? PointerPlace::Inside : PointerPlace::Edge;
}

// The trigger is armed only while no calendar is open, and a pointer off the bar disarms it and
// closes the popup whether a calendar is open or not: nothing else would close a popup shown over
// the calendar.
void frmMain::HoverStep() {
    const PointerPlace place = WherePointerIs();
    if (!bPopupArmed_ && place == PointerPlace::Inside && !SharedState::bCalendar) {
        tmrToolTip.SetInterval(kPopupRepeatMs);
        tmrToolTip.SetEnabled(true);
        bPopupArmed_ = true;
    } else if (bPopupArmed_ && place == PointerPlace::Outside) {
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
    WindowRequests::ClosePopup();
}

// While the trigger stays armed the popup is shown again every second, as long as the pointer is
// still on the bar: it may have left since the last clock tick.
void frmMain::tmrToolTip_Timer() {
    if (SharedState::bCalendar) {
        CancelPopup();
        return;
    }
    switch (WherePointerIs()) {
        case PointerPlace::Inside:
            WindowRequests::ShowPopup();
            break;
        case PointerPlace::Outside:
            CancelPopup();
            bPopupArmed_ = false;
            break;
        case PointerPlace::Edge:
            break;
    }
}
