// The Win32 control port: child windows of the form windows, and the balloon tooltips that go with
// the form window.
#pragma once

// windows.h before the platform headers, so that every unit sees the same DrawText.
#include <windows.h>

#include <memory>
#include <unordered_map>

#include "platform/ControlPort.h"
#include "platform/win32/GdiCanvas.h"
#include "platform/win32/NativeControls.h"

namespace platform::win32 {

class Win32Controls final : public ControlPort {
public:
    explicit Win32Controls(FontCache& fonts) : fonts_(fonts) {}

    ControlHandle CreateControl(WindowHandle form, const ControlSpec& layout, ControlListener& listener) override;
    void DestroyControl(ControlHandle c) override;
    void MoveControl(ControlHandle c, const PixelRect& bounds) override;
    void ShowControl(ControlHandle c, bool visible) override;
    void EnableControl(ControlHandle c, bool enabled) override;
    void SetControlFont(ControlHandle c, const Font& font) override;
    void SetControlText(ControlHandle c, std::string_view text) override;
    std::string GetControlText(ControlHandle c) override;
    void SetControlValue(ControlHandle c, int value) override;
    int GetControlValue(ControlHandle c) override;
    void InsertControlItem(ControlHandle c, int index, std::string_view text) override;
    void RemoveControlItem(ControlHandle c, int index) override;
    // The z-order of the children is the order Tab follows.
    void SetTabOrder(WindowHandle form, const std::vector<ControlHandle>& order) override;
    void FocusControl(ControlHandle c) override;
    void AddBalloonTip(WindowHandle form, ControlHandle c, const BalloonTip& tip) override;

private:
    FontCache& fonts_;
    std::unordered_map<ControlHandle, std::unique_ptr<ControlData>> controls_;
};

}  // namespace platform::win32
