// FLTK keys, buttons and modifiers as the Windows codes the program's handlers test for.
#include "platform/linux/InputMapping.h"

#include <FL/Enumerations.H>
#include <gtest/gtest.h>

namespace {

using platform::x11::ButtonBitsFromFltk;
using platform::x11::ShiftBitsFromFltk;
using platform::x11::VirtualKeyFromFltk;

TEST(InputMapping, NamedKeys) {
    EXPECT_EQ(VirtualKeyFromFltk(FL_Enter), 13);
    EXPECT_EQ(VirtualKeyFromFltk(FL_KP_Enter), 13);
    EXPECT_EQ(VirtualKeyFromFltk(FL_Escape), 27);
    EXPECT_EQ(VirtualKeyFromFltk(FL_Tab), 9);
    EXPECT_EQ(VirtualKeyFromFltk(FL_BackSpace), 8);
    EXPECT_EQ(VirtualKeyFromFltk(' '), 32);
    EXPECT_EQ(VirtualKeyFromFltk(FL_Left), 37);
    EXPECT_EQ(VirtualKeyFromFltk(FL_Up), 38);
    EXPECT_EQ(VirtualKeyFromFltk(FL_Right), 39);
    EXPECT_EQ(VirtualKeyFromFltk(FL_Down), 40);
    EXPECT_EQ(VirtualKeyFromFltk(FL_Delete), 46);
    EXPECT_EQ(VirtualKeyFromFltk(FL_Home), 36);
    EXPECT_EQ(VirtualKeyFromFltk(FL_End), 35);
    EXPECT_EQ(VirtualKeyFromFltk(FL_Shift_R), 16);
    EXPECT_EQ(VirtualKeyFromFltk(FL_Control_L), 17);
    EXPECT_EQ(VirtualKeyFromFltk(FL_Alt_L), 18);
}

TEST(InputMapping, CharactersAndFunctionKeys) {
    EXPECT_EQ(VirtualKeyFromFltk('a'), 65);
    EXPECT_EQ(VirtualKeyFromFltk('Z'), 90);
    EXPECT_EQ(VirtualKeyFromFltk('0'), 48);
    EXPECT_EQ(VirtualKeyFromFltk('9'), 57);
    EXPECT_EQ(VirtualKeyFromFltk(FL_F + 1), 112);
    EXPECT_EQ(VirtualKeyFromFltk(FL_F + 12), 123);
    EXPECT_EQ(VirtualKeyFromFltk(FL_F + 24), 135);
    EXPECT_EQ(VirtualKeyFromFltk(FL_KP + '0'), 96);
    EXPECT_EQ(VirtualKeyFromFltk(FL_KP + '9'), 105);
    EXPECT_EQ(VirtualKeyFromFltk(FL_KP + '+'), 107);
}

TEST(InputMapping, KeysWithoutAWindowsCodeGiveZero) {
    EXPECT_EQ(VirtualKeyFromFltk(0), 0);
    EXPECT_EQ(VirtualKeyFromFltk(0xE9), 0);  // a Latin-1 letter
    EXPECT_EQ(VirtualKeyFromFltk(FL_F + 30), 0);
    EXPECT_EQ(VirtualKeyFromFltk(FL_Volume_Up), 0);
}

TEST(InputMapping, ModifierAndButtonBits) {
    EXPECT_EQ(ShiftBitsFromFltk(0), 0);
    EXPECT_EQ(ShiftBitsFromFltk(FL_SHIFT), 1);
    EXPECT_EQ(ShiftBitsFromFltk(FL_CTRL | FL_ALT), 6);
    EXPECT_EQ(ShiftBitsFromFltk(FL_SHIFT | FL_CTRL | FL_ALT | FL_NUM_LOCK | FL_CAPS_LOCK), 7);
    EXPECT_EQ(ButtonBitsFromFltk(FL_BUTTON1), 1);
    EXPECT_EQ(ButtonBitsFromFltk(FL_BUTTON3), 2);  // FLTK's third button is the right one
    EXPECT_EQ(ButtonBitsFromFltk(FL_BUTTON2), 4);
    EXPECT_EQ(ButtonBitsFromFltk(FL_BUTTON1 | FL_BUTTON3 | FL_SHIFT), 3);
}

}  // namespace
