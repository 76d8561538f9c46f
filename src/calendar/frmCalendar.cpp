// The calendar window's frame: 138 x 136 pixels of client area on the tooltip colour, no caption.
#include "calendar/frmCalendar.h"

#include "bar/frmMain.h"
#include "core/PlatformFamily.h"

namespace {
forms::FormSpec CalendarLayout() {
    forms::FormSpec layout;
    layout.clientWidth = 2070;
    layout.clientHeight = 2040;
    layout.frame = platform::WindowFrame::ThinBorder;
    layout.backColor = forms::ColorRef::System(platform::SystemColor::InfoBackground);
    return layout;
}
}  // namespace

frmCalendar::frmCalendar() : Form("frmCalendar", CalendarLayout()) {}

void frmCalendar::Form_Load() {
    core::ApplyTransparency(hWnd());
    // A calendar appearing over the bar takes the place of the information popup.
    if (frmMain::IsLoaded())
        frmMain::Get().CancelPopup();
    platform::Current().SetTopMost(hWnd());
}
