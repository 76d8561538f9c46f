// The desktop window manager's answers about a window, through dwmapi loaded at run time (XP has
// none; the import table names nothing from it).
#pragma once

#include <windows.h>

#include "platform/CaptionComposed.h"

namespace platform::win32 {

// Not composing where dwmapi is missing, composition is off or the window rectangle cannot be read.
CompositorAnswers AskCompositor(HWND w);

}  // namespace platform::win32
