// The backend's message box: a small modal FLTK dialog with the program's text and one OK button.
#pragma once

#include <string_view>

#include "platform/Platform.h"

namespace platform::x11 {

// Returns when the box is closed (OK, Enter, Escape or the close box). The program's timers keep
// running meanwhile; the other windows of the program take no input.
void ShowMessageBox(std::string_view text, std::string_view caption, MessageIcon icon);

}  // namespace platform::x11
