// Check state and caption of the system's check box.
#include "forms/CheckBox.h"

namespace forms {

CheckBox::CheckBox(Form& owner, std::string name, Bounds bounds, int tabIndex)
    : NativeControl(owner, std::move(name), bounds, tabIndex, platform::ControlKind::CheckBox) {}

platform::ControlSpec CheckBox::Layout() const {
    platform::ControlSpec layout = NativeControl::Layout();
    layout.text = caption_;
    return layout;
}

void CheckBox::Populated() {
    if (value_ != 0)
        PushToWidget(value_);
}

void CheckBox::SetCaption(std::string text) {
    SetShown(caption_, std::move(text));
}

void CheckBox::SetValue(int value) {
    SetShown(value_, value == 1 ? 1 : 0, onClick);
}

void CheckBox::UserChanged() {
    TakeUserChange(value_, Native()->GetControlValue(hWnd()) == 1 ? 1 : 0, onClick);
}

}  // namespace forms
