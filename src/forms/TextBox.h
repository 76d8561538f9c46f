// A single-line text box. It keeps its text and draws a plain sunken field; typing into it
// arrives with the forms that need an editable field.
#pragma once

#include <string>

#include "forms/Control.h"

namespace forms {

class TextBox : public Control {
public:
    using Control::Control;

    const std::string& Text() const { return text_; }
    void SetText(std::string text);

    void Paint(platform::Canvas& canvas) const override;

private:
    std::string text_;
};

}  // namespace forms
