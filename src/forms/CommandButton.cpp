// The system's push button.
#include "forms/CommandButton.h"

namespace forms {

CommandButton::CommandButton(Form& owner, std::string name, Bounds bounds, int tabIndex)
    : NativeControl(owner, std::move(name), bounds, tabIndex, platform::ControlKind::Button) {}

void CommandButton::Click() {
    // A disabled button does not click, whoever asks.
    if (Enabled() && onClick)
        onClick();
}

}  // namespace forms
