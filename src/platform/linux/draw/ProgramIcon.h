// The program's icon for FLTK: every window's _NET_WM_ICON, and the picture a form draws.
#pragma once

class Fl_RGB_Image;

namespace platform::x11 {

// Makes the compiled-in icon sizes the icon of every window FLTK shows from now on (FLTK writes
// them into _NET_WM_ICON when it creates the X window). Only windows a manager handles show an
// icon, so this waits for the first of them (a dialog, a message box); later calls do nothing.
void InstallWindowIcons();

// The icon at width x height pixels (RGBA), scaled from the nearest compiled-in size that is not
// smaller; made once per size and kept for the life of the process.
Fl_RGB_Image& ProgramIconImage(int width, int height);

}  // namespace platform::x11
