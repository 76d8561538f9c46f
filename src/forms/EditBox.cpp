// The edit field's text, kept in step with what the user types.
#include "forms/EditBox.h"

namespace forms {

EditBox::EditBox(Form& owner, std::string name, Bounds bounds, int tabIndex, int maxLength)
    : NativeControl(owner, std::move(name), bounds, tabIndex, platform::ControlKind::TextBox), maxLength_(maxLength) {}

platform::ControlSpec EditBox::Layout() const {
    platform::ControlSpec layout = NativeControl::Layout();
    layout.text = text_;
    layout.maxLength = maxLength_;
    return layout;
}

void EditBox::SetText(std::string text) {
    SetShown(text_, std::move(text), onChange);
}

void EditBox::UserChanged() {
    TakeUserChange(text_, Native()->GetControlText(hWnd()), onChange);
}

}  // namespace forms
