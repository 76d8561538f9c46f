// A windowless label: text, background, border and tooltip, drawn by its form in z-order.
#pragma once

#include <functional>
#include <string>

#include "forms/Control.h"

namespace forms {

enum class BackStyle { Transparent, Opaque };
enum class BorderStyle { None, FixedSingle };

using MouseHandler = std::function<void(int button, int shift, Twips x, Twips y)>;

class Label : public Control {
public:
    using Control::Control;

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string text);
    const std::string& ToolTipText() const { return toolTip_; }
    void SetToolTipText(std::string text);

    BackStyle GetBackStyle() const { return backStyle_; }
    void SetBackStyle(BackStyle s);
    ColorRef BackColor() const { return backColor_; }
    void SetBackColor(ColorRef c);
    ColorRef ForeColor() const { return foreColor_; }
    void SetForeColor(ColorRef c);
    void SetBorderStyle(BorderStyle s);
    const platform::Font& Font() const { return font_; }
    void SetFont(platform::Font f);
    void SetAlignment(platform::TextAlign a);
    // A caption too wide for the label is drawn at the largest size of its font that fits, centred
    // on the line the full size would take, rather than cut.
    void SetShrinkToFit(bool shrink);
    // The pointer's shape while it is over the label (a hand over a link).
    platform::PointerShape MousePointer() const { return mousePointer_; }
    void SetMousePointer(platform::PointerShape shape);

    // Event handlers; an unset handler ignores the event.
    MouseHandler onMouseDown, onMouseMove, onMouseUp;
    std::function<void()> onDblClick;
    // A left-button press released over the label.
    std::function<void()> onClick;

    void Paint(platform::Canvas& canvas) const override;
    void MouseDown(int button, int shift, Twips x, Twips y) override;
    void MouseMove(int button, int shift, Twips x, Twips y) override;
    void MouseUp(int button, int shift, Twips x, Twips y) override;
    void DoubleClick() override;

private:
    void BoundsChanged() override;
    // The font the caption is drawn in within a box `width` pixels wide.
    platform::Font FittedFont(platform::Canvas& canvas, int width) const;

    std::string caption_;
    std::string toolTip_;
    BackStyle backStyle_ = BackStyle::Transparent;
    ColorRef backColor_ = ColorRef::System(platform::SystemColor::ButtonFace);
    ColorRef foreColor_ = ColorRef::System(platform::SystemColor::WindowText);
    BorderStyle borderStyle_ = BorderStyle::None;
    platform::Font font_ = kDefaultFont;
    platform::TextAlign alignment_ = platform::TextAlign::Left;
    bool shrinkToFit_ = false;
    platform::PointerShape mousePointer_ = platform::PointerShape::Arrow;
    bool leftPressed_ = false;  // the press now held began with the left button alone
};

}  // namespace forms
