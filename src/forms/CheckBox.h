// A check box with its caption: Value 0 unchecked, 1 checked.
#pragma once

#include <functional>
#include <string>

#include "forms/NativeControl.h"

namespace forms {

class CheckBox : public NativeControl {
public:
    CheckBox(Form& owner, std::string name, Bounds bounds, int tabIndex);

    const std::string& Caption() const { return WidgetText(); }
    void SetCaption(std::string text) { SetWidgetText(std::move(text)); }
    int Value() const { return value_; }
    // Anything but 1 unchecks. A change fires onClick, as a click does.
    void SetValue(int value);

    std::function<void()> onClick;

private:
    void Populated() override;
    void UserChanged() override;

    int value_ = 0;
};

}  // namespace forms
