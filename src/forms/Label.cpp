// Label drawing and property changes; a change that alters nothing repaints nothing.
#include "forms/Label.h"

#include <algorithm>
#include <cmath>

#include "forms/Form.h"

namespace forms {

void Label::SetCaption(std::string text) {
    if (Assign(caption_, std::move(text)))
        Invalidate();
}

void Label::SetToolTipText(std::string text) {
    if (Assign(toolTip_, std::move(text)))
        Owner().UpdateToolTip(*this);
}

void Label::SetBackStyle(BackStyle s) {
    if (Assign(backStyle_, s))
        Invalidate();
}

void Label::SetBackColor(ColorRef c) {
    if (Assign(backColor_, c))
        Invalidate();
}

void Label::SetForeColor(ColorRef c) {
    if (Assign(foreColor_, c))
        Invalidate();
}

void Label::SetBorderStyle(BorderStyle s) {
    if (Assign(borderStyle_, s))
        Invalidate();
}

void Label::SetFont(platform::Font f) {
    if (Assign(font_, std::move(f)))
        Invalidate();
}

void Label::SetAlignment(platform::TextAlign a) {
    if (Assign(alignment_, a))
        Invalidate();
}

void Label::SetShrinkToFit(bool shrink) {
    if (Assign(shrinkToFit_, shrink))
        Invalidate();
}

void Label::SetMousePointer(platform::PointerShape shape) {
    if (Assign(mousePointer_, shape))
        Owner().UpdateCursorArea(*this);
}

void Label::BoundsChanged() {
    if (!toolTip_.empty())
        Owner().UpdateToolTip(*this);
    if (mousePointer_ != platform::PointerShape::Arrow)
        Owner().UpdateCursorArea(*this);
}

void Label::Paint(platform::Canvas& canvas) const {
    platform::PixelRect r = PixelBounds();
    if (r.right <= r.left || r.bottom <= r.top)
        return;
    if (backStyle_ == BackStyle::Opaque)
        canvas.FillRect(r, backColor_.Resolve());
    if (borderStyle_ == BorderStyle::FixedSingle) {
        canvas.FrameRect(r, platform::Color{0, 0, 0});
        r = {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    }
    if (caption_.empty())
        return;
    platform::Font font = font_;
    if (shrinkToFit_) {
        // Scaled by how much too wide it is, in quarter points, then down a quarter at a time for
        // what the font's own rounding adds.
        const int wide = canvas.TextWidth(caption_, font);
        if (wide > r.Width() && r.Width() > 0) {
            font.points = std::max(0.25, std::floor(font.points * r.Width() / wide * 4) / 4);
            while (font.points > 0.25 && canvas.TextWidth(caption_, font) > r.Width())
                font.points -= 0.25;
        }
    }
    canvas.DrawText(r, caption_, font, foreColor_.Resolve(), alignment_);
}

void Label::MouseDown(int button, int shift, Twips x, Twips y) {
    leftPressed_ = button == platform::kLeftButton;
    if (onMouseDown)
        onMouseDown(button, shift, x, y);
}

void Label::MouseMove(int button, int shift, Twips x, Twips y) {
    if (onMouseMove)
        onMouseMove(button, shift, x, y);
}

void Label::MouseUp(int button, int shift, Twips x, Twips y) {
    if (onMouseUp)
        onMouseUp(button, shift, x, y);
    if (button != 0)
        return;
    const bool click = leftPressed_ && x >= 0 && y >= 0 && x < Width() && y < Height();
    leftPressed_ = false;
    if (click && onClick)
        onClick();
}

void Label::DoubleClick() {
    if (onDblClick)
        onDblClick();
}

}  // namespace forms
