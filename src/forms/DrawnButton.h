// A windowless push button the form draws itself: a caption on a raised face that looks pushed in while
// the left button is held on it, and clicks when that button is released over it. It takes no keyboard
// focus (CommandButton is the system's push button, which does).
#pragma once

#include <functional>
#include <string>

#include "forms/Control.h"

namespace forms {

class DrawnButton : public Control {
public:
    using Control::Control;

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string text);
    const platform::Font& Font() const { return font_; }
    void SetFont(platform::Font f);
    // The face is drawn pushed in: the left button went down on it and is held over it.
    bool Pushed() const { return held_ && over_; }

    std::function<void()> onClick;

    void Paint(platform::Canvas& canvas) const override;
    void MouseDown(int button, int shift, Twips x, Twips y) override;
    void MouseMove(int button, int shift, Twips x, Twips y) override;
    void MouseUp(int button, int shift, Twips x, Twips y) override;
    void DoubleClick() override;

private:
    void Track(bool held, bool over);

    std::string caption_;
    platform::Font font_ = kDefaultFont;
    bool held_ = false;  // the left button went down on this button and has not come up yet
    bool over_ = false;  // the pointer was over the button at the last mouse event
};

}  // namespace forms
