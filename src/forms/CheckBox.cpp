// Check state of the system's check box.
#include "forms/CheckBox.h"

namespace forms {

CheckBox::CheckBox(Form& owner, std::string name, Bounds bounds, int tabIndex)
    : NativeControl(owner, std::move(name), bounds, tabIndex, platform::ControlKind::CheckBox) {}

void CheckBox::Populated() {
    if (value_ != 0)
        PushToWidget(value_);
}

void CheckBox::SetValue(int value) {
    SetShown(value_, value == 1 ? 1 : 0, onClick);
}

void CheckBox::UserChanged() {
    TakeUserChange(value_, Native()->GetControlValue(hWnd()) == 1 ? 1 : 0, onClick);
}

}  // namespace forms
