// What the user does to the bar itself: dragging it, its right-click menu, the calendar toggled by
// a double-click on the clock or by Enter, and key releases passed on to the calendar.
#include "bar/frmHidden.h"
#include "bar/frmMain.h"
#include "core/SharedState.h"

namespace {
constexpr int kKeyEnter = 13;
}  // namespace

// The system's move loop runs inside DragMove and returns when the button is released.
void frmMain::DragBar(int Button, int Shift, forms::Twips, forms::Twips) {
    if ((Button & platform::kLeftButton) == 0 || Shift != 0)
        return;
    DismissPopup();
    ReleaseCapture();
    platform::Windows().DragMove(hWnd());
    if (SharedState::bCalendar)
        ShowCalendar();
}

// Only the right button alone opens the menu; the modifier keys don't matter.
void frmMain::ShowBarMenu(int Button, int, forms::Twips, forms::Twips) {
    if (Button != platform::kRightButton)
        return;
    platform::Windows().Activate(hWnd());
    DismissPopup();
    const platform::PixelPoint cursor = platform::Desktop().GetCursorPos();
    // The menu's loop takes the mouse, so the release of this press never reaches the bar.
    ReleaseCapture();
    frmHidden::Get().menuRightClick.Popup(cursor);
}

// The cursor is on the bar, so the hover trigger counts as used: the popup comes back only after
// the cursor has left the bar and rested on it again, never under an open menu or during a move.
void frmMain::DismissPopup() {
    CancelPopup();
    bPopupArmed_ = true;
}

// Opening or closing the calendar uses the hover trigger up, as a drag does: no popup comes over
// the calendar, nor after it closes, until the cursor has left the bar and rested on it again.
void frmMain::lblTime_DblClick() {
    DismissPopup();
    if (SharedState::bCalendar)
        CloseCalendar();
    else
        ShowCalendar();
}

void frmMain::Form_KeyUp(int KeyCode, int Shift) {
    if (KeyCode == kKeyEnter)
        lblTime_DblClick();
    WindowRequests::CalendarKeyUp(KeyCode, Shift);
}

void frmMain::Call_Form_KeyUp(int KeyCode, int Shift) {
    Form_KeyUp(KeyCode, Shift);
}

void frmMain::ShowCalendar() {
    PlaceCalendar();
    WindowRequests::ShowCalendar();
}

void frmMain::PlaceCalendar() {
    WindowRequests::PlaceCalendar(Frame());
}

void frmMain::CloseCalendar() {
    WindowRequests::CloseCalendar();
}
