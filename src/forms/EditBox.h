// A one-line text box the user types into: the system's edit field, with an optional length limit.
#pragma once

#include <functional>
#include <string>

#include "forms/NativeControl.h"

namespace forms {

class EditBox : public NativeControl {
public:
    // maxLength: the most characters the user can type (0: no limit).
    EditBox(Form& owner, std::string name, Bounds bounds, int tabIndex, int maxLength = 0);

    const std::string& Text() const { return WidgetText(); }
    // A text that differs from the current one fires onChange, as typing does.
    void SetText(std::string text) { SetWidgetText(std::move(text), onChange); }
    int MaxLength() const { return maxLength_; }

    std::function<void()> onChange;

private:
    platform::ControlSpec Layout() const override;
    void UserChanged() override { TakeWidgetText(onChange); }

    int maxLength_;
};

}  // namespace forms
