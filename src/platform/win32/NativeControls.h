// The program's native controls as Win32 child windows of a form window: EDIT, BUTTON (check box and
// push button), the common controls' trackbar, a drop-down-list COMBOBOX and a LISTBOX; and the
// balloon tooltips of the settings dialog's fields.
#pragma once

#include <windows.h>
// after windows.h, which it builds on
#include <commctrl.h>

#include <cstddef>
#include <string_view>

#include "platform/Platform.h"

namespace platform::win32 {

class FontCache;

// What a child control carries in its GWLP_USERDATA: how to report it.
struct ControlData {
    ControlKind kind;
    ControlListener* listener;
};

// The record size of TTM_ADDTOOL that both comctl32 5.x and 6.x take: the V2 record of this build's
// pointer width (44 bytes in 32-bit builds, 64 in 64-bit ones).
// (TTTOOLINFOW_V2_SIZE itself is no constant expression: it is the same record end, through a cast.)
inline constexpr UINT kToolInfoSize = offsetof(TTTOOLINFOW, lParam) + sizeof(LPARAM);
static_assert(sizeof(void*) == 8 ? kToolInfoSize == 64 : kToolInfoSize == 44, "TOOLINFO V2 record size");
static_assert(kToolInfoSize <= sizeof(TTTOOLINFOW), "the record passed must hold kToolInfoSize bytes");

// nullptr when the system refuses the control. data lives until DestroyNativeControl.
HWND CreateNativeControl(HWND form, const ControlSpec& layout, ControlData* data, FontCache& fonts);
void DestroyNativeControl(HWND control);
ControlData* DataOf(HWND control);

void SetNativeText(HWND control, std::string_view text);
std::string NativeText(HWND control);
void SetNativeValue(HWND control, int value);
int NativeValue(HWND control);
void InsertNativeItem(HWND control, int index, std::string_view text);
void RemoveNativeItem(HWND control, int index);
// True while the program itself changes a control, whose notifications are then not the user's.
bool ProgramIsSetting();

// Routes a WM_COMMAND or WM_HSCROLL from a child control to its listener; false when it was none of ours.
bool RouteControlNotification(UINT msg, WPARAM wp, LPARAM lp);

// A balloon tooltip window for one control, owned by the form: always-tip, balloon, information icon.
HWND CreateBalloonTip(HWND form, HWND control, const BalloonTip& tip);

}  // namespace platform::win32
