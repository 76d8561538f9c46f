// Label drawing and property changes; a change that alters nothing repaints nothing.
#include "forms/Label.h"

#include <algorithm>
#include <cmath>

#include "forms/Form.h"

namespace forms {

namespace {
int PixelHeight(double points, int dpi) {
    return static_cast<int>(std::lround(points * dpi / 72.0));
}
}  // namespace

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
    if (!shrinkToFit_) {
        canvas.DrawText(r, caption_, font_, foreColor_.Resolve(), alignment_);
        return;
    }
    const platform::Font fitted = FittedFont(canvas, r.Width());
    // The smaller line sits in the middle of the one the full size would take.
    const int dpi = platform::Windows().ScreenDpi();
    r.top += (PixelHeight(font_.points, dpi) - PixelHeight(fitted.points, dpi)) / 2;
    canvas.DrawText(r, caption_, fitted, foreColor_.Resolve(), alignment_);
}

// One pixel of height at a time, from an estimate that takes the width as proportional to the size;
// the full size is measured once when it fits. Nothing smaller than a few pixels is tried.
platform::Font Label::FittedFont(platform::Canvas& canvas, int width) const {
    const int full = canvas.TextWidth(caption_, font_);
    if (full <= width || full <= 0)
        return font_;
    const int dpi = platform::Windows().ScreenDpi();
    constexpr int kSmallestPixels = 6;
    int pixels = PixelHeight(font_.points, dpi) * std::max(width, 0) / full;
    pixels = std::clamp(pixels, kSmallestPixels, std::max(PixelHeight(font_.points, dpi) - 1, kSmallestPixels));
    platform::Font font = font_;
    for (;; --pixels) {
        font.points = pixels * 72.0 / dpi;
        if (pixels <= kSmallestPixels || canvas.TextWidth(caption_, font) <= width)
            return font;
    }
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
