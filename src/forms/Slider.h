// A horizontal slider over a range of whole numbers, with small (arrow key) and large (page key,
// click beside the thumb) steps.
#pragma once

#include <functional>
#include <string>

#include "forms/NativeControl.h"

namespace forms {

class Slider : public NativeControl {
public:
    Slider(Form& owner,
           std::string name,
           Bounds bounds,
           int tabIndex,
           int min,
           int max,
           int smallChange,
           int largeChange);

    int Min() const { return min_; }
    int Max() const { return max_; }
    int Value() const { return value_; }
    // A value outside the range goes to its nearer end. A change fires onChange, as a move does.
    void SetValue(int value);

    std::function<void()> onChange;

private:
    platform::ControlSpec Layout() const override;
    void Populated() override;
    void UserChanged() override;

    int min_, max_, smallChange_, largeChange_;
    int value_;
};

}  // namespace forms
