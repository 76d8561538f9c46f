// Translation of Win32 mouse and key message parameters into the program's bits.
#include "platform/win32/FormInput.h"

#include <windowsx.h>

namespace platform::win32 {

namespace {
bool KeyDown(int virtualKey) {
    return (::GetKeyState(virtualKey) & 0x8000) != 0;
}
}  // namespace

int MouseButtonsFromKeyState(WPARAM keyState) {
    return ((keyState & MK_LBUTTON) ? kLeftButton : 0) | ((keyState & MK_RBUTTON) ? kRightButton : 0) |
           ((keyState & MK_MBUTTON) ? kMiddleButton : 0);
}

int MouseShiftFromKeyState(WPARAM keyState, bool altDown) {
    return ((keyState & MK_SHIFT) ? kShiftMask : 0) | ((keyState & MK_CONTROL) ? kCtrlMask : 0) |
           (altDown ? kAltMask : 0);
}

MouseEvent MouseEventOf(WPARAM wp, LPARAM lp) {
    MouseEvent e;
    e.button = MouseButtonsFromKeyState(wp);
    e.shift = MouseShiftFromKeyState(wp, KeyDown(VK_MENU));
    e.x = GET_X_LPARAM(lp);
    e.y = GET_Y_LPARAM(lp);
    return e;
}

int KeyShiftNow() {
    return (KeyDown(VK_SHIFT) ? 1 : 0) | (KeyDown(VK_CONTROL) ? 2 : 0) | (KeyDown(VK_MENU) ? 4 : 0);
}

}  // namespace platform::win32
