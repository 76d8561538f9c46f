// A windowless single-line text box: the form draws its text in a plain sunken field, and the user
// cannot type into it (EditBox is the system's edit field, for text the user types).
#pragma once

#include <string>

#include "forms/Control.h"

namespace forms {

class ReadOnlyTextBox : public Control {
public:
    using Control::Control;

    const std::string& Text() const { return text_; }
    void SetText(std::string text);

    void Paint(platform::Canvas& canvas) const override;

private:
    std::string text_;
};

}  // namespace forms
