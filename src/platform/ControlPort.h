// Native controls: edit fields, check boxes, sliders, lists and buttons the system draws and runs
// itself, children of a form window.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/Types.h"

namespace platform {

class ControlPort {
public:
    virtual ~ControlPort() = default;

    // 0 when the control cannot be made. The listener must outlive the control.
    virtual ControlHandle CreateControl(WindowHandle form, const ControlSpec& layout, ControlListener& listener) = 0;
    virtual void DestroyControl(ControlHandle c) = 0;
    virtual void MoveControl(ControlHandle c, const PixelRect& bounds) = 0;
    virtual void ShowControl(ControlHandle c, bool visible) = 0;
    virtual void EnableControl(ControlHandle c, bool enabled) = 0;
    virtual void SetControlFont(ControlHandle c, const Font& font) = 0;
    // The text of a text box, the caption of the others.
    virtual void SetControlText(ControlHandle c, std::string_view text) = 0;
    virtual std::string GetControlText(ControlHandle c) = 0;
    // Check state, slider position, selected index (-1: none).
    virtual void SetControlValue(ControlHandle c, int value) = 0;
    virtual int GetControlValue(ControlHandle c) = 0;
    // Items of a combo box or list box, at a position (0 is the top).
    virtual void InsertControlItem(ControlHandle c, int index, std::string_view text) = 0;
    virtual void RemoveControlItem(ControlHandle c, int index) = 0;
    // Tab and Shift+Tab move through the form's controls in this order.
    virtual void SetTabOrder(WindowHandle form, const std::vector<ControlHandle>& order) = 0;
    virtual void FocusControl(ControlHandle c) = 0;
    // A balloon tip for the control; it goes away with the control's window.
    virtual void AddBalloonTip(WindowHandle form, ControlHandle c, const BalloonTip& tip) = 0;
};

}  // namespace platform
