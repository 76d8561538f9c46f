// The system's push button.
#include "forms/CommandButton.h"

namespace forms {

CommandButton::CommandButton(Form& owner, std::string name, Bounds bounds, int tabIndex)
    : NativeControl(owner, std::move(name), bounds, tabIndex, platform::ControlKind::Button) {}

platform::ControlSpec CommandButton::Layout() const {
    platform::ControlSpec layout = NativeControl::Layout();
    layout.text = caption_;
    return layout;
}

void CommandButton::SetCaption(std::string text) {
    SetShown(caption_, std::move(text));
}

void CommandButton::Click() {
    // A disabled button does not click, whoever asks.
    if (Enabled() && onClick)
        onClick();
}

}  // namespace forms
