// The base of the controls the system draws and runs itself (edit field, check box, slider, lists,
// push button). The control keeps its own copy of every property, so it can be set before its form
// has a window and read back without asking the system; the native widget follows it.
#pragma once

#include <string>

#include "forms/Control.h"

namespace forms {

class NativeControl : public Control, private platform::ControlListener {
public:
    // tabIndex: the position in the form's tab order (lower first).
    NativeControl(Form& owner,
                  std::string name,
                  Twips left,
                  Twips top,
                  Twips width,
                  Twips height,
                  int tabIndex,
                  platform::ControlKind kind);
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
    bool enabled_ = true;
    platform::Font font_ = kDefaultFont;
};

}  // namespace forms
