// The edit field: created with its length limit; its text is the widget text NativeControl keeps.
#include "forms/EditBox.h"

namespace forms {

EditBox::EditBox(Form& owner, std::string name, Bounds bounds, int tabIndex, int maxLength)
    : NativeControl(owner, std::move(name), bounds, tabIndex, platform::ControlKind::TextBox), maxLength_(maxLength) {}

platform::ControlSpec EditBox::Layout() const {
    platform::ControlSpec layout = NativeControl::Layout();
    layout.maxLength = maxLength_;
    return layout;
}

}  // namespace forms
