// A windowless straight line from (X1, Y1) to (X2, Y2), one pixel wide; horizontal and vertical
// lines are what forms use.
#pragma once

#include <string>

#include "forms/Control.h"

namespace forms {

class Line : public Control {
public:
    Line(Form& owner, std::string name, Twips x1, Twips y1, Twips x2, Twips y2);

    ColorRef BorderColor() const { return color_; }
    void SetBorderColor(ColorRef c);

    void Paint(platform::Canvas& canvas) const override;

private:
    ColorRef color_ = ColorRef::System(platform::SystemColor::WindowText);
};

}  // namespace forms
