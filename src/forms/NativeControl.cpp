// Creation of the native widget and the properties every native control shares.
#include "forms/NativeControl.h"

#include "forms/Form.h"

namespace forms {

NativeControl::NativeControl(Form& owner, std::string name, Bounds bounds, int tabIndex, platform::ControlKind kind)
    : Control(owner, std::move(name), bounds), tabIndex_(tabIndex), kind_(kind) {}

NativeControl::~NativeControl() {
    Detach();
}

platform::ControlPort* NativeControl::Native() const {
    return handle_ != 0 ? &platform::Controls() : nullptr;
}

platform::ControlSpec NativeControl::Layout() const {
    platform::ControlSpec layout;
    layout.kind = kind_;
    layout.text = text_;
    layout.bounds = PixelBounds();
    layout.font = font_;
    return layout;
}

void NativeControl::Attach(platform::WindowHandle form) {
    if (handle_ != 0 || form == 0)
        return;
    handle_ = platform::Controls().CreateControl(form, Layout(), *this);
    if (handle_ == 0)
        return;
    Populated();
    if (!enabled_)
        platform::Controls().EnableControl(handle_, false);
    if (!Visible())
        platform::Controls().ShowControl(handle_, false);
}

void NativeControl::Detach() {
    if (handle_ == 0)
        return;
    platform::Controls().DestroyControl(handle_);
    handle_ = 0;
}

void NativeControl::SetEnabled(bool enabled) {
    if (Assign(enabled_, enabled) && Native())
        Native()->EnableControl(handle_, enabled);
}

void NativeControl::SetFont(platform::Font f) {
    if (Assign(font_, std::move(f)) && Native())
        Native()->SetControlFont(handle_, font_);
}

void NativeControl::PushToWidget(int value) const {
    if (Native())
        Native()->SetControlValue(handle_, value);
}

void NativeControl::PushToWidget(const std::string& text) const {
    if (Native())
        Native()->SetControlText(handle_, text);
}

void NativeControl::SetFocus() {
    if (Native())
        Native()->FocusControl(handle_);
}

void NativeControl::BoundsChanged() {
    if (!Native())
        return;
    Native()->MoveControl(handle_, PixelBounds());
    Native()->ShowControl(handle_, Visible());
}

}  // namespace forms
