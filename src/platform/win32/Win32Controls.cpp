// The Win32 control port: child windows of the form windows, and the balloon tooltips that go with
// the form window.
#include "platform/win32/Win32Controls.h"

#include "platform/win32/ToolTips.h"

namespace platform::win32 {

namespace {
HWND HwndOf(ControlHandle c) {
    return reinterpret_cast<HWND>(c);
}
}  // namespace

ControlHandle Win32Controls::CreateControl(WindowHandle form, const ControlSpec& layout, ControlListener& listener) {
    auto data = std::make_unique<ControlData>(ControlData{layout.kind, &listener});
    HWND control = CreateNativeControl(reinterpret_cast<HWND>(form), layout, data.get(), fonts_);
    if (!control)
        return 0;
    const auto handle = reinterpret_cast<ControlHandle>(control);
    controls_[handle] = std::move(data);
    return handle;
}

void Win32Controls::DestroyControl(ControlHandle c) {
    if (controls_.erase(c) != 0)
        DestroyNativeControl(HwndOf(c));
}

void Win32Controls::MoveControl(ControlHandle c, const PixelRect& b) {
    RECT now{};
    ::GetWindowRect(HwndOf(c), &now);
    int height = b.Height();
    // A drop-down list keeps the height of its list.
    if (const ControlData* data = DataOf(HwndOf(c)); data && data->kind == ControlKind::ComboBox)
        height = now.bottom - now.top;
    ::SetWindowPos(HwndOf(c), nullptr, b.left, b.top, b.Width(), height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Controls::ShowControl(ControlHandle c, bool visible) {
    ::ShowWindow(HwndOf(c), visible ? SW_SHOWNA : SW_HIDE);
}

void Win32Controls::EnableControl(ControlHandle c, bool enabled) {
    ::EnableWindow(HwndOf(c), enabled ? TRUE : FALSE);
}

void Win32Controls::SetControlFont(ControlHandle c, const Font& font) {
    ::SendMessageW(HwndOf(c), WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.Get(font)), TRUE);
}

void Win32Controls::SetControlText(ControlHandle c, std::string_view text) {
    SetNativeText(HwndOf(c), text);
}

std::string Win32Controls::GetControlText(ControlHandle c) {
    return NativeText(HwndOf(c));
}

void Win32Controls::SetControlValue(ControlHandle c, int value) {
    SetNativeValue(HwndOf(c), value);
}

int Win32Controls::GetControlValue(ControlHandle c) {
    return NativeValue(HwndOf(c));
}

void Win32Controls::InsertControlItem(ControlHandle c, int index, std::string_view text) {
    InsertNativeItem(HwndOf(c), index, text);
}

void Win32Controls::RemoveControlItem(ControlHandle c, int index) {
    RemoveNativeItem(HwndOf(c), index);
}

void Win32Controls::SetTabOrder(WindowHandle, const std::vector<ControlHandle>& order) {
    HWND after = HWND_TOP;
    for (const ControlHandle c : order) {
        ::SetWindowPos(HwndOf(c), after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        after = HwndOf(c);
    }
}

void Win32Controls::FocusControl(ControlHandle c) {
    ::SetFocus(HwndOf(c));
}

void Win32Controls::AddBalloonTip(WindowHandle form, ControlHandle c, const BalloonTip& tip) {
    CreateBalloonTip(reinterpret_cast<HWND>(form), HwndOf(c), tip);
}

}  // namespace platform::win32
