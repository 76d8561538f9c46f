// The base of the windowless controls a form draws itself, and the colour values they use.
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

class Control {
public:
    Control(Form& owner, std::string name, Twips left, Twips top, Twips width, Twips height);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& Name() const { return name_; }
    Twips Left() const { return left_; }
    Twips Top() const { return top_; }
    Twips Width() const { return width_; }
    Twips Height() const { return height_; }
    void SetLeft(Twips v) { Move(v, top_, width_, height_); }
    void SetTop(Twips v) { Move(left_, v, width_, height_); }
    void SetWidth(Twips v) { Move(left_, top_, v, height_); }
    void SetHeight(Twips v) { Move(left_, top_, width_, v); }
    void Move(Twips left, Twips top, Twips width, Twips height);
    bool Visible() const { return visible_; }
    void SetVisible(bool v);

    // Client pixels covered by the control (each edge rounded on its own).
    platform::PixelRect PixelBounds() const;
    bool Contains(int xPx, int yPx) const;
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
    Twips left_, top_, width_, height_;
    bool visible_ = true;
};

}  // namespace forms
