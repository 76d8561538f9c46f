// The system's push button.
#include "forms/CommandButton.h"

namespace forms {

CommandButton::CommandButton(Form& owner,
                             std::string name,
                             Twips left,
                             Twips top,
                             Twips width,
                             Twips height,
                             int tabIndex)
    : NativeControl(owner, std::move(name), left, top, width, height, tabIndex, platform::ControlKind::Button) {}

platform::ControlSpec CommandButton::Layout() const {
    platform::ControlSpec layout = NativeControl::Layout();
    layout.text = caption_;
    return layout;
}

void CommandButton::SetCaption(std::string text) {
    if (Assign(caption_, std::move(text)) && Native())
        Native()->SetControlText(hWnd(), caption_);
}

void CommandButton::Click() {
    // A disabled button does not click, whoever asks.
    if (Enabled() && onClick)
        onClick();
}

}  // namespace forms
