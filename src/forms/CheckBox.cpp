// Check state and caption of the system's check box.
#include "forms/CheckBox.h"

namespace forms {

CheckBox::CheckBox(Form& owner, std::string name, Twips left, Twips top, Twips width, Twips height, int tabIndex)
    : NativeControl(owner, std::move(name), left, top, width, height, tabIndex, platform::ControlKind::CheckBox) {}

platform::ControlSpec CheckBox::Layout() const {
    platform::ControlSpec layout = NativeControl::Layout();
    layout.text = caption_;
    return layout;
}

void CheckBox::Populated() {
    if (value_ != 0)
        Native()->SetControlValue(hWnd(), value_);
}

void CheckBox::SetCaption(std::string text) {
    if (Assign(caption_, std::move(text)) && Native())
        Native()->SetControlText(hWnd(), caption_);
}

void CheckBox::SetValue(int value) {
    if (!Assign(value_, value == 1 ? 1 : 0))
        return;
    if (Native())
        Native()->SetControlValue(hWnd(), value_);
    if (onClick)
        onClick();
}

void CheckBox::UserChanged() {
    if (Assign(value_, Native()->GetControlValue(hWnd()) == 1 ? 1 : 0) && onClick)
        onClick();
}

}  // namespace forms
