// The slider's position, kept within its range.
#include "forms/Slider.h"

#include <algorithm>

namespace forms {

Slider::Slider(Form& owner,
               std::string name,
               Twips left,
               Twips top,
               Twips width,
               Twips height,
               int tabIndex,
               int min,
               int max,
               int smallChange,
               int largeChange)
    : NativeControl(owner, std::move(name), left, top, width, height, tabIndex, platform::ControlKind::Slider),
      min_(min),
      max_(std::max(min, max)),
      smallChange_(smallChange),
      largeChange_(largeChange),
      value_(min) {}

platform::ControlSpec Slider::Layout() const {
    platform::ControlSpec layout = NativeControl::Layout();
    layout.minimum = min_;
    layout.maximum = max_;
    layout.smallStep = smallChange_;
    layout.largeStep = largeChange_;
    return layout;
}

void Slider::Populated() {
    Native()->SetControlValue(hWnd(), value_);
}

void Slider::SetValue(int value) {
    if (!Assign(value_, std::clamp(value, min_, max_)))
        return;
    if (Native())
        Native()->SetControlValue(hWnd(), value_);
    if (onChange)
        onChange();
}

void Slider::UserChanged() {
    if (Assign(value_, std::clamp(Native()->GetControlValue(hWnd()), min_, max_)) && onChange)
        onChange();
}

}  // namespace forms
