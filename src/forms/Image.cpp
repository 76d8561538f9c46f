// The icon picture: the canvas scales the program's icon to the control's pixels.
#include "forms/Image.h"

namespace forms {

void Image::Paint(platform::Canvas& canvas) const {
    const platform::PixelRect r = PixelBounds();
    if (r.Width() > 0 && r.Height() > 0)
        canvas.DrawProgramIcon(r);
}

void Image::MouseDown(int button, int, Twips, Twips) {
    if (button & platform::kLeftButton)
        held_ = true;
}

// The form sends the release to the control the press went to, wherever the pointer is by then;
// only a release over the picture is a click.
void Image::MouseUp(int button, int, Twips x, Twips y) {
    if (!held_ || (button & platform::kLeftButton))
        return;
    held_ = false;
    const bool over = ContainsRelative(x, y);
    // Last, as the handler may unload the form.
    if (over && onClick)
        onClick();
}

}  // namespace forms
