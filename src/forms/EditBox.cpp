// The edit field's text, kept in step with what the user types.
#include "forms/EditBox.h"

namespace forms {

EditBox::EditBox(Form& owner,
                 std::string name,
                 Twips left,
                 Twips top,
                 Twips width,
                 Twips height,
                 int tabIndex,
                 int maxLength)
    : NativeControl(owner, std::move(name), left, top, width, height, tabIndex, platform::ControlKind::TextBox),
      maxLength_(maxLength) {}

platform::ControlSpec EditBox::Layout() const {
    platform::ControlSpec layout = NativeControl::Layout();
    layout.text = text_;
    layout.maxLength = maxLength_;
    return layout;
}

void EditBox::SetText(std::string text) {
    if (!Assign(text_, std::move(text)))
        return;
    if (Native())
        Native()->SetControlText(hWnd(), text_);
    if (onChange)
        onChange();
}

void EditBox::UserChanged() {
    if (Assign(text_, Native()->GetControlText(hWnd())) && onChange)
        onChange();
}

}  // namespace forms
