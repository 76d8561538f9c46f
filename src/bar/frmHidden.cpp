// frmHidden's window.
#include "bar/frmHidden.h"

namespace {
forms::FormSpec HiddenSpec() {
    forms::FormSpec layout;
    layout.clientWidth = 15;
    layout.clientHeight = 15;
    return layout;
}
}  // namespace

frmHidden::frmHidden() : Form("frmHidden", HiddenSpec()) {}
