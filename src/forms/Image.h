// A windowless picture of the program's icon, stretched to its box, as the about dialog and the
// information popup show it. It clicks like a label: press and release the left button on it.
#pragma once

#include <functional>

#include "forms/Control.h"

namespace forms {

class Image : public Control {
public:
    using Control::Control;

    std::function<void()> onClick;

    void Paint(platform::Canvas& canvas) const override;
    void MouseDown(int button, int shift, Twips x, Twips y) override;
    void MouseUp(int button, int shift, Twips x, Twips y) override;
    // The quick second press of a pair is a press too: two quick clicks are two clicks.
    void DoubleClick() override { held_ = true; }

private:
    bool held_ = false;
};

}  // namespace forms
