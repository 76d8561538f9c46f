// The base of the controls the system draws and runs itself (edit field, check box, slider, lists,
// push button). The control keeps its own copy of every property, so it can be set before its form
// has a window and read back without asking the system; the native widget follows it.
#pragma once

#include <functional>
#include <string>

#include "forms/Control.h"

namespace forms {

class NativeControl : public Control, private platform::ControlListener {
public:
    // tabIndex: the position in the form's tab order (lower first).
    NativeControl(Form& owner, std::string name, Bounds bounds, int tabIndex, platform::ControlKind kind);
    ~NativeControl() override;

    int TabIndex() const { return tabIndex_; }
    platform::ControlHandle hWnd() const { return handle_; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    const platform::Font& Font() const { return font_; }
    void SetFont(platform::Font f);
    // Gives the control the keyboard focus.
    void SetFocus();

    // The system draws the control; the form paints nothing for it.
    void Paint(platform::Canvas&) const override {}

    void WindowCreated(platform::WindowHandle form) override { Attach(form); }
    void WindowDestroying() override { Detach(); }
    int TabOrder() const override { return tabIndex_; }

protected:
    // What the native control is created with; the derived control adds its own properties.
    virtual platform::ControlSpec Layout() const;
    // After creation: pushes the properties creation does not carry (items, value).
    virtual void Populated() {}
    // The user changed the control (typed, toggled, moved, selected).
    virtual void UserChanged() {}
    virtual void UserClicked() {}

    // The program sets what the widget shows (its value, text or caption): field takes value and,
    // when that changes it, the widget is given it (once it is made) and then `changed` runs, as it
    // does when the user makes the change.
    template <class T>
    void SetShown(T& field, T value, const std::function<void()>& changed = {}) {
        if (!Assign(field, std::move(value)))
            return;
        PushToWidget(field);
        if (changed)
            changed();
    }
    // The user changed the widget: field takes value, what the widget holds now, and `changed` runs
    // when that differs from what it held.
    template <class T>
    void TakeUserChange(T& field, T value, const std::function<void()>& changed) {
        if (Assign(field, std::move(value)) && changed)
            changed();
    }

    // Gives the widget a value or a text, once it is made.
    void PushToWidget(int value) const;
    void PushToWidget(const std::string& text) const;

    // The text the widget shows and is created with: an edit field's contents, a caption.
    const std::string& WidgetText() const { return text_; }
    void SetWidgetText(std::string text, const std::function<void()>& changed = {}) {
        SetShown(text_, std::move(text), changed);
    }
    // The user typed: the text is what the widget holds now.
    void TakeWidgetText(const std::function<void()>& changed) {
        TakeUserChange(text_, Native()->GetControlText(handle_), changed);
    }

    platform::ControlPort* Native() const;  // nullptr while there is no native control

private:
    void Attach(platform::WindowHandle form);
    void Detach();
    void BoundsChanged() override;
    void OnControlChanged() override { UserChanged(); }
    void OnControlClicked() override { UserClicked(); }

    int tabIndex_;
    platform::ControlKind kind_;
    platform::ControlHandle handle_ = 0;
    std::string text_;
    bool enabled_ = true;
    platform::Font font_ = kDefaultFont;
};

}  // namespace forms
