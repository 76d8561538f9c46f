// A push button of the system's own: it takes the keyboard focus and a place in the tab order
// (forms::DrawnButton is the windowless one a form draws itself).
#pragma once

#include <functional>
#include <string>

#include "forms/NativeControl.h"

namespace forms {

class CommandButton : public NativeControl {
public:
    CommandButton(Form& owner, std::string name, Bounds bounds, int tabIndex);

    const std::string& Caption() const { return WidgetText(); }
    // "&" marks the access key.
    void SetCaption(std::string text) { SetWidgetText(std::move(text)); }
    // What a click does; also what a test calls to press it.
    void Click();

    std::function<void()> onClick;

private:
    void UserClicked() override { Click(); }
};

}  // namespace forms
