// The base of every control on a form, the windowless ones the form draws itself and the native ones
// the system draws (NativeControl): its name, bounds and visibility. Also the colour values they use.
#pragma once

#include <string>
#include <utility>

#include "forms/Twips.h"
#include "platform/Platform.h"

namespace forms {

class Form;

// Either a fixed colour or one of the system's colours, resolved when painting.
class ColorRef {
public:
    static constexpr ColorRef Rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
        return ColorRef(false, platform::SystemColor::Window, platform::Color{r, g, b});
    }
    static constexpr ColorRef System(platform::SystemColor c) { return ColorRef(true, c, {}); }

    platform::Color Resolve() const;
    bool operator==(const ColorRef&) const = default;

private:
    constexpr ColorRef(bool isSystem, platform::SystemColor system, platform::Color rgb)
        : isSystem_(isSystem), system_(system), rgb_(rgb) {}
    bool isSystem_;
    platform::SystemColor system_;
    platform::Color rgb_;
};

// The controls' font until one is set.
inline const platform::Font kDefaultFont{"ＭＳ Ｐゴシック", 9.0, 400};

// Stores value in field; false when the field held it already (and nothing needs repainting).
template <class T>
bool Assign(T& field, T value) {
    if (field == value)
        return false;
    field = std::move(value);
    return true;
}

// Where a control lies on its form: its left and top edges in the client area, and its size.
struct Bounds {
    Twips left = 0;
    Twips top = 0;
    Twips width = 0;
    Twips height = 0;
    bool operator==(const Bounds&) const = default;
};

class Control {
public:
    Control(Form& owner, std::string name, Bounds bounds);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& Name() const { return name_; }
    Twips Left() const { return bounds_.left; }
    Twips Top() const { return bounds_.top; }
    Twips Width() const { return bounds_.width; }
    Twips Height() const { return bounds_.height; }
    void SetLeft(Twips v) { Move({v, bounds_.top, bounds_.width, bounds_.height}); }
    void SetTop(Twips v) { Move({bounds_.left, v, bounds_.width, bounds_.height}); }
    void SetWidth(Twips v) { Move({bounds_.left, bounds_.top, v, bounds_.height}); }
    void SetHeight(Twips v) { Move({bounds_.left, bounds_.top, bounds_.width, v}); }
    void Move(const Bounds& bounds);
    bool Visible() const { return visible_; }
    void SetVisible(bool v);

    // Client pixels covered by the control (each edge rounded on its own).
    platform::PixelRect PixelBounds() const;
    bool Contains(int xPx, int yPx) const;
    // The same for a point in twips from the control's top left, as its mouse events give one: back
    // in client pixels, so it agrees with the form's hit test to the pixel.
    bool ContainsRelative(Twips x, Twips y) const { return Contains(ToPixels(x + Left()), ToPixels(y + Top())); }
    // The display's resolution changed: whatever the control keeps in pixels is worked out again.
    void Relayout() { BoundsChanged(); }

    virtual void Paint(platform::Canvas& canvas) const = 0;
    // Mouse input in twips relative to the control; the default ignores it.
    virtual void MouseDown(int /*button*/, int /*shift*/, Twips /*x*/, Twips /*y*/) {}
    virtual void MouseMove(int /*button*/, int /*shift*/, Twips /*x*/, Twips /*y*/) {}
    virtual void MouseUp(int /*button*/, int /*shift*/, Twips /*x*/, Twips /*y*/) {}
    virtual void DoubleClick() {}
    // The form's window was created, or is about to go; controls with a native part follow it.
    virtual void WindowCreated(platform::WindowHandle /*form*/) {}
    virtual void WindowDestroying() {}
    // The position in the tab order of a control that takes the focus; -1 for the others.
    virtual int TabOrder() const { return -1; }

protected:
    Form& Owner() const { return owner_; }
    // Repaints the control's area (old and new area after a move).
    void Invalidate() const;
    virtual void BoundsChanged() {}

private:
    Form& owner_;
    std::string name_;
    Bounds bounds_;
    bool visible_ = true;
};

}  // namespace forms
