// Geometry and invalidation shared by all windowless controls.
#include "forms/Control.h"

#include "forms/Form.h"

namespace forms {

platform::Color ColorRef::Resolve() const {
    return isSystem_ ? platform::Windows().SystemColorValue(system_) : rgb_;
}

Control::Control(Form& owner, std::string name, Twips left, Twips top, Twips width, Twips height)
    : owner_(owner), name_(std::move(name)), left_(left), top_(top), width_(width), height_(height) {
    owner_.AddControl(*this);
}

void Control::Move(Twips left, Twips top, Twips width, Twips height) {
    if (left == left_ && top == top_ && width == width_ && height == height_)
        return;
    const platform::PixelRect before = PixelBounds();
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    const platform::PixelRect after = PixelBounds();
    if (after == before)
        return;
    if (visible_) {
        owner_.InvalidatePixels(before);
        owner_.InvalidatePixels(after);
    }
    BoundsChanged();
}

void Control::SetVisible(bool v) {
    if (v == visible_)
        return;
    visible_ = v;
    Invalidate();
    BoundsChanged();
}

platform::PixelRect Control::PixelBounds() const {
    const int left = ToPixels(left_);
    const int top = ToPixels(top_);
    // A negative width (a bar over 100 % the other way) draws nothing.
    const int width = width_ > 0 ? ToPixels(width_) : 0;
    const int height = height_ > 0 ? ToPixels(height_) : 0;
    return {left, top, left + width, top + height};
}

bool Control::Contains(int xPx, int yPx) const {
    const platform::PixelRect r = PixelBounds();
    return xPx >= r.left && xPx < r.right && yPx >= r.top && yPx < r.bottom;
}

void Control::Invalidate() const {
    owner_.InvalidatePixels(PixelBounds());
}

}  // namespace forms
