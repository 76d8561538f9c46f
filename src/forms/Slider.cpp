// The slider's position, kept within its range.
#include "forms/Slider.h"

#include <algorithm>

namespace forms {

Slider::Slider(Form& owner,
               std::string name,
               Bounds bounds,
               int tabIndex,
               int min,
               int max,
               int smallChange,
               int largeChange)
    : NativeControl(owner, std::move(name), bounds, tabIndex, platform::ControlKind::Slider),
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
    PushToWidget(value_);
}

void Slider::SetValue(int value) {
    SetShown(value_, std::clamp(value, min_, max_), onChange);
}

void Slider::UserChanged() {
    TakeUserChange(value_, std::clamp(Native()->GetControlValue(hWnd()), min_, max_), onChange);
}

}  // namespace forms
