// The Linux control port: FLTK widgets in our form windows, found by handle.
#pragma once

#include <memory>
#include <unordered_map>

#include "platform/ControlPort.h"
#include "platform/linux/x11/BackendState.h"

namespace platform::x11 {

class LinuxControl;

class LinuxControls final : public ControlPort {
public:
    // From here on every key for a native control is shown to its form first.
    explicit LinuxControls(BackendState& state);
    ~LinuxControls() override;
    LinuxControls(const LinuxControls&) = delete;
    LinuxControls& operator=(const LinuxControls&) = delete;

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
    // FLTK's Tab moves through a group's children in their order, so the order is the tab order.
    void SetTabOrder(WindowHandle form, const std::vector<ControlHandle>& order) override;
    void FocusControl(ControlHandle c) override;
    void AddBalloonTip(WindowHandle form, ControlHandle c, const BalloonTip& tip) override;

private:
    struct ControlEntry {
        WindowHandle form;
        std::unique_ptr<LinuxControl> control;
    };
    LinuxControl* FindControl(ControlHandle c) const;

    BackendState& state_;
    std::unordered_map<ControlHandle, ControlEntry> controls_;
};

}  // namespace platform::x11
