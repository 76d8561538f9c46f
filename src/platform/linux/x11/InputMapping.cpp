// Key, button and modifier translation; pure functions over FLTK's constants.
#include "platform/linux/x11/InputMapping.h"

#include <FL/Enumerations.H>

#include "platform/Platform.h"

namespace platform::x11 {

namespace {

// Keys of the main block whose unshifted character names them (a US layout; Windows' VK_OEM_*).
int VirtualKeyFromCharacter(int c) {
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 'A';
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
        return c;
    switch (c) {
        case ' ':
            return 32;
        case ';':
            return 0xBA;
        case ':':
            return 0xBA;  // where a Japanese layout has it
        case '=':
            return 0xBB;
        case ',':
            return 0xBC;
        case '-':
            return 0xBD;
        case '.':
            return 0xBE;
        case '/':
            return 0xBF;
        case '`':
            return 0xC0;
        case '@':
            return 0xC0;  // Japanese layout
        case '[':
            return 0xDB;
        case '\\':
            return 0xDC;
        case ']':
            return 0xDD;
        case '\'':
            return 0xDE;
        case '^':
            return 0xDE;  // Japanese layout
        default:
            return 0;
    }
}

// The numeric keypad with Num Lock on: FL_KP plus the character.
int VirtualKeyFromKeypad(int c) {
    if (c >= '0' && c <= '9')
        return 0x60 + (c - '0');
    switch (c) {
        case '*':
            return 0x6A;
        case '+':
            return 0x6B;
        case '-':
            return 0x6D;
        case '.':
            return 0x6E;
        case ',':
            return 0x6E;
        case '/':
            return 0x6F;
        case '\r':
            return 13;  // FL_KP_Enter
        case '=':
            return 0xBB;
        default:
            return 0;
    }
}

}  // namespace

int VirtualKeyFromFltk(int flKey) {
    if (flKey > 0 && flKey < 0x100)
        return VirtualKeyFromCharacter(flKey);
    if (flKey > FL_F && flKey <= FL_F + 24)
        return 0x70 + (flKey - FL_F - 1);  // F1..F24
    if (flKey > FL_KP && flKey <= FL_KP_Last)
        return VirtualKeyFromKeypad(flKey - FL_KP);
    switch (flKey) {
        case FL_BackSpace:
            return 8;
        case FL_Tab:
            return 9;
        case FL_Enter:
            return 13;
        case FL_Pause:
            return 0x13;
        case FL_Scroll_Lock:
            return 0x91;
        case FL_Escape:
            return 27;
        case FL_Kana:
            return 0x15;
        case FL_Yen:
            return 0xDC;
        case FL_JIS_Underscore:
            return 0xE2;
        case FL_Home:
            return 36;
        case FL_Left:
            return 37;
        case FL_Up:
            return 38;
        case FL_Right:
            return 39;
        case FL_Down:
            return 40;
        case FL_Page_Up:
            return 33;
        case FL_Page_Down:
            return 34;
        case FL_End:
            return 35;
        case FL_Print:
            return 0x2C;
        case FL_Insert:
            return 45;
        case FL_Menu:
            return 0x5D;
        case FL_Help:
            return 0x2F;
        case FL_Num_Lock:
            return 0x90;
        case FL_Shift_L:
        case FL_Shift_R:
            return 16;
        case FL_Control_L:
        case FL_Control_R:
            return 17;
        case FL_Caps_Lock:
            return 0x14;
        case FL_Meta_L:
            return 0x5B;
        case FL_Meta_R:
            return 0x5C;
        case FL_Alt_L:
        case FL_Alt_R:
            return 18;
        case FL_Delete:
            return 46;
        default:
            return 0;
    }
}

int ShiftBitsFromFltk(int flState) {
    return ((flState & FL_SHIFT) ? kShiftMask : 0) | ((flState & FL_CTRL) ? kCtrlMask : 0) |
           ((flState & FL_ALT) ? kAltMask : 0);
}

int ButtonBitsFromFltk(int flState) {
    return ((flState & FL_BUTTON1) ? kLeftButton : 0) | ((flState & FL_BUTTON3) ? kRightButton : 0) |
           ((flState & FL_BUTTON2) ? kMiddleButton : 0);
}

}  // namespace platform::x11
