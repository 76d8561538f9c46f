// The program's icon from the executable's resources (icon 1), loaded once per size and kept until
// the process ends: window icons and the drawn picture ask for it often.
#pragma once

#include <windows.h>

namespace platform::win32 {

inline constexpr int kProgramIconResource = 1;

// The icon at width x height pixels, Windows choosing and scaling the nearest image of the
// resource; nullptr when the module has no such icon.
HICON ProgramIcon(int width, int height);

// Gives the window the icon in the sizes of its caption and of Alt+Tab (WM_SETICON small and big).
void SetWindowIcons(HWND hwnd);

}  // namespace platform::win32
