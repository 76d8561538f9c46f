// The drawn push button's face and its press-and-release tracking; only a change of look repaints it.
#include "forms/DrawnButton.h"

#include <algorithm>
#include <cmath>

namespace forms {

namespace {

constexpr platform::Color kHighlight{255, 255, 255};
constexpr platform::Color kShadow{128, 128, 128};
constexpr platform::Color kDarkShadow{0, 0, 0};

platform::PixelRect Inset(const platform::PixelRect& r, int by) {
    return {r.left + by, r.top + by, r.right - by, r.bottom - by};
}

// One-pixel lines along the top and left in one colour, along the bottom and right in another; the
// bottom-right lines take the two corners they share with the top-left ones.
void Bevel(platform::Canvas& canvas,
           const platform::PixelRect& r,
           platform::Color topLeft,
           platform::Color bottomRight) {
    canvas.FillRect({r.left, r.top, r.right - 1, r.top + 1}, topLeft);
    canvas.FillRect({r.left, r.top, r.left + 1, r.bottom - 1}, topLeft);
    canvas.FillRect({r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
    canvas.FillRect({r.right - 1, r.top, r.right, r.bottom}, bottomRight);
}

// The canvas draws a line of text from the top of its rectangle and reports no metrics; the font's
// em at the display's resolution stands in for the line height to centre the caption vertically.
int LineHeightEstimate(const platform::Font& font) {
    return static_cast<int>(std::lround(font.points * platform::Windows().ScreenDpi() / 72.0));
}

// The caption as shown: "&" marks the access key and is not drawn itself; "&&" shows one "&".
std::string ShownCaption(const std::string& caption) {
    std::string shown;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size())
            ++i;
        shown += caption[i];
    }
    return shown;
}

}  // namespace

void DrawnButton::SetCaption(std::string text) {
    if (Assign(caption_, std::move(text)))
        Invalidate();
}

void DrawnButton::SetFont(platform::Font f) {
    if (Assign(font_, std::move(f)))
        Invalidate();
}

void DrawnButton::Paint(platform::Canvas& canvas) const {
    const platform::PixelRect r = PixelBounds();
    if (r.Width() <= 0 || r.Height() <= 0)
        return;
    canvas.FillRect(r, platform::Windows().SystemColorValue(platform::SystemColor::ButtonFace));
    // The classic edges: raised with a white top-left and a grey and black bottom-right, or pushed in
    // with a black frame round a grey one. The inner top-left line has the face's colour.
    const bool pushed = Pushed();
    if (pushed) {
        canvas.FrameRect(r, kDarkShadow);
        canvas.FrameRect(Inset(r, 1), kShadow);
    } else {
        Bevel(canvas, r, kHighlight, kDarkShadow);
        Bevel(canvas, Inset(r, 1), platform::Windows().SystemColorValue(platform::SystemColor::ButtonFace), kShadow);
    }
    if (caption_.empty())
        return;
    // A pushed caption moves one pixel down and right, with the face.
    const int shift = pushed ? 1 : 0;
    const int top = r.top + std::max(2, (r.Height() - LineHeightEstimate(font_)) / 2);
    const platform::PixelRect text{r.left + 2 + shift, top + shift, r.right - 2 + shift, r.bottom - 2};
    canvas.DrawText(text, ShownCaption(caption_), font_,
                    platform::Windows().SystemColorValue(platform::SystemColor::WindowText),
                    platform::TextAlign::Center);
}

void DrawnButton::Track(bool held, bool over) {
    const bool wasPushed = Pushed();
    held_ = held;
    over_ = over;
    if (Pushed() != wasPushed)
        Invalidate();
}

void DrawnButton::MouseDown(int button, int, Twips x, Twips y) {
    // The bits are the buttons held after the press: a right press while the left is held changes nothing.
    if ((button & platform::kLeftButton) && !held_)
        Track(true, ContainsRelative(x, y));
}

void DrawnButton::MouseMove(int button, int, Twips x, Twips y) {
    if (!held_)
        return;
    // A release that went to another control (after a double-click, which the form does not route
    // here while held) shows up as a move without the left button: the press is over, no click.
    Track((button & platform::kLeftButton) != 0, ContainsRelative(x, y));
}

void DrawnButton::MouseUp(int button, int, Twips x, Twips y) {
    if (!held_ || (button & platform::kLeftButton))
        return;
    const bool clicked = ContainsRelative(x, y);
    Track(false, clicked);
    // Last, as the handler may unload the form.
    if (clicked && onClick)
        onClick();
}

// The quick second press of a pair arrives as a double-click; a push button takes it as a press, so
// two quick clicks are two clicks.
void DrawnButton::DoubleClick() {
    if (!held_)
        Track(true, true);
}

}  // namespace forms
