// Geometry and invalidation shared by all controls.
#include "forms/Control.h"

#include "forms/Form.h"

namespace forms {

platform::Color ColorRef::Resolve() const {
    return isSystem_ ? platform::Windows().SystemColorValue(system_) : rgb_;
}

Control::Control(Form& owner, std::string name, Bounds bounds)
    : owner_(owner), name_(std::move(name)), bounds_(bounds) {
    owner_.AddControl(*this);
}

void Control::Move(const Bounds& bounds) {
    if (bounds == bounds_)
        return;
    const platform::PixelRect before = PixelBounds();
    bounds_ = bounds;
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
    const int left = ToPixels(bounds_.left);
    const int top = ToPixels(bounds_.top);
    // A negative width (a bar over 100 % the other way) draws nothing.
    const int width = bounds_.width > 0 ? ToPixels(bounds_.width) : 0;
    const int height = bounds_.height > 0 ? ToPixels(bounds_.height) : 0;
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
