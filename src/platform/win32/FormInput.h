// Mouse and keyboard state as the program sees it: button bits 1 left, 2 right, 4 middle;
// modifier bits 1 Shift, 2 Ctrl, 4 Alt.
#pragma once

#include <windows.h>

#include "platform/Platform.h"

namespace platform::win32 {

// The buttons held, from the MK_ bits of a mouse message (a button-up message no longer counts
// the released button).
int MouseButtonsFromKeyState(WPARAM keyState);
// Shift and Ctrl from the MK_ bits; Alt, which mouse messages do not carry, from the keyboard state.
int MouseShiftFromKeyState(WPARAM keyState, bool altDown);
// Client coordinates, signed: a captured mouse left or above the window gives negative values.
MouseEvent MouseEventOf(WPARAM wp, LPARAM lp);
// The modifier bits of the keyboard state at the time of the message being handled.
int KeyShiftNow();

}  // namespace platform::win32
