// The calendar window's frame: 138 x 136 pixels of client area on the tooltip colour, no caption.
#include "calendar/frmCalendar.h"

namespace {
forms::FormSpec CalendarSpec() {
    forms::FormSpec layout;
    layout.clientWidth = 2070;
    layout.clientHeight = 2040;
    layout.frame = platform::WindowFrame::ThinBorder;
    layout.backColor = forms::ColorRef::System(platform::SystemColor::InfoBackground);
    return layout;
}
}  // namespace

frmCalendar::frmCalendar() : Form("frmCalendar", CalendarSpec()) {}
