// FLTK keys, buttons and modifiers as the Windows codes the program's handlers test for.
#include "platform/linux/x11/InputMapping.h"

#include <FL/Enumerations.H>
#include <gtest/gtest.h>

#include <tuple>

namespace {

using platform::x11::ButtonBitsFromFltk;
using platform::x11::ShiftBitsFromFltk;
using platform::x11::VirtualKeyFromFltk;

TEST(InputMapping, KeysAsWindowsVirtualKeys) {
    // The keys the forms act on (Enter, Escape, the arrows), the ends of the computed ranges (letters,
    // function keys, keypad digits), and keys without a Windows code (none, a Latin-1 letter, F30, media
    // keys), which give 0.
    const int cases[][2] = {{FL_Enter, 13},   {FL_KP_Enter, 13}, {FL_Escape, 27},    {FL_Left, 37}, {FL_Up, 38},
                            {FL_Right, 39},   {FL_Down, 40},     {'a', 65},          {'Z', 90},     {FL_F + 1, 112},
                            {FL_F + 24, 135}, {FL_KP + '0', 96}, {FL_KP + '9', 105}, {0, 0},        {0xE9, 0},
                            {FL_F + 30, 0},   {FL_Volume_Up, 0}};
    for (const auto& [fltk, windows] : cases)
        EXPECT_EQ(VirtualKeyFromFltk(fltk), windows) << "FLTK key " << fltk;
}

TEST(InputMapping, ModifierAndButtonBits) {
    EXPECT_EQ(std::tuple(ShiftBitsFromFltk(0), ShiftBitsFromFltk(FL_SHIFT), ShiftBitsFromFltk(FL_CTRL | FL_ALT),
                         ShiftBitsFromFltk(FL_SHIFT | FL_CTRL | FL_ALT | FL_NUM_LOCK | FL_CAPS_LOCK)),
              std::tuple(0, 1, 6, 7));
    // FLTK's third button is the right one.
    EXPECT_EQ(std::tuple(ButtonBitsFromFltk(FL_BUTTON1), ButtonBitsFromFltk(FL_BUTTON3), ButtonBitsFromFltk(FL_BUTTON2),
                         ButtonBitsFromFltk(FL_BUTTON1 | FL_BUTTON3 | FL_SHIFT)),
              std::tuple(1, 2, 4, 3));
}

}  // namespace
