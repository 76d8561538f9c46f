// The popup's frame: borderless, 344 x 410 pixels on the button-text colour.
#include "sysinfo/frmPopup.h"

namespace {
forms::FormSpec PopupSpec() {
    forms::FormSpec layout;
    layout.clientWidth = 5160;
    layout.clientHeight = 6150;
    layout.frame = platform::WindowFrame::None;
    layout.backColor = forms::ColorRef::Rgb(0, 0, 0);
    return layout;
}
}  // namespace

frmPopup::frmPopup() : Form("frmPopup", PopupSpec()) {}
