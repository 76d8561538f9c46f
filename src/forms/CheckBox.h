// A check box with its caption: Value 0 unchecked, 1 checked.
#pragma once

#include <functional>
#include <string>

#include "forms/NativeControl.h"

namespace forms {

class CheckBox : public NativeControl {
public:
    CheckBox(Form& owner, std::string name, Bounds bounds, int tabIndex);

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string text);
    int Value() const { return value_; }
    // Anything but 1 unchecks. A change fires onClick, as a click does.
    void SetValue(int value);

    std::function<void()> onClick;

private:
    platform::ControlSpec Layout() const override;
    void Populated() override;
    void UserChanged() override;

    std::string caption_;
    int value_ = 0;
};

}  // namespace forms
