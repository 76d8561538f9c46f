// The read-only text box's drawing.
#include "forms/ReadOnlyTextBox.h"

namespace forms {

void ReadOnlyTextBox::SetText(std::string text) {
    if (Assign(text_, std::move(text)))
        Invalidate();
}

void ReadOnlyTextBox::Paint(platform::Canvas& canvas) const {
    const platform::PixelRect r = PixelBounds();
    if (r.right <= r.left || r.bottom <= r.top)
        return;
    canvas.FillRect(r, platform::Windows().SystemColorValue(platform::SystemColor::Window));
    canvas.FrameRect(r, platform::Color{128, 128, 128});
    if (text_.empty())
        return;
    const platform::PixelRect inner{r.left + 2, r.top + 2, r.right - 2, r.bottom - 2};
    canvas.DrawText(inner, text_, kDefaultFont, platform::Windows().SystemColorValue(platform::SystemColor::WindowText),
                    platform::TextAlign::Left);
}

}  // namespace forms
