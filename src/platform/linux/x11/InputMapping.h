// FLTK's key, button and modifier values turned into the Windows values the program expects.
#pragma once

namespace platform::x11 {

// The Windows virtual-key code of an FLTK key (Fl::event_key()); 0 when Windows has none for it.
int VirtualKeyFromFltk(int flKey);

// Windows modifier bits (1 Shift, 2 Ctrl, 4 Alt) from Fl::event_state().
int ShiftBitsFromFltk(int flState);

// Windows button bits (1 left, 2 right, 4 middle) from Fl::event_state(): every button held.
int ButtonBitsFromFltk(int flState);

}  // namespace platform::x11
