// A form: one native top-level window with its controls (the windowless ones it draws in z-order, the
// native ones it creates with the window), its timers and event handlers. Forms are reached through FormInstance
// (FormInstance.h).
#pragma once

#include <string>
#include <vector>

#include "forms/Control.h"
#include "forms/Twips.h"
#include "platform/Platform.h"

namespace forms {

class Label;
class Timer;

struct FormSpec {
    std::string caption;
    Twips clientWidth = 0;
    Twips clientHeight = 0;
    platform::WindowFrame frame = platform::WindowFrame::None;
    ColorRef backColor = ColorRef::System(platform::SystemColor::ButtonFace);
};

class Form : private platform::WindowListener {
public:
    ~Form() override;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& Name() const { return name_; }
    platform::WindowHandle hWnd() const { return hwnd_; }

    // Outer window geometry in twips (screen position).
    Twips Left() const;
    Twips Top() const;
    Twips Width() const;
    Twips Height() const;
    // Sets the outer size; the client area grows or shrinks by as much.
    void Resize(Twips width, Twips height);
    void SetHeight(Twips height);
    // The client area's size.
    Twips ScaleWidth() const { return layout_.clientWidth; }
    Twips ScaleHeight() const { return layout_.clientHeight; }
    void SetLeft(Twips left);
    void SetTop(Twips top);
    void Move(Twips left, Twips top);

    void Show();
    void Hide();
    // Puts the outer window in the middle of the screen.
    void CenterOnScreen();
    bool Visible() const;
    // Lets go of the mouse: the control it was pressed on no longer receives it, and the system's
    // capture is released (before a move loop or a menu takes the mouse over).
    void ReleaseCapture();
    // True from the window's mouse-enter event to its mouse-leave event: the pointer is over it, as
    // far as the window's own events tell (no one asks the system).
    bool PointerOver() const { return pointerOver_; }

    // Used by the controls and the timers as they are made, and by the labels as they change.
    void AddControl(Control& c);
    void AddTimer(Timer& t);
    void InvalidatePixels(const platform::PixelRect& r);
    void UpdateToolTip(const Label& label);
    void UpdateCursorArea(const Label& label);

protected:
    Form(std::string name, FormSpec layout);

    virtual void Form_Load() {}
    virtual void Form_Unload() {}
    virtual void Form_KeyDown(int /*keyCode*/, int /*shift*/) {}
    virtual void Form_KeyUp(int /*keyCode*/, int /*shift*/) {}
    // A left-button click on the form itself, where no control lies.
    virtual void Form_Click() {}
    // The pointer went off the window (PointerOver() is false from now on).
    virtual void Form_MouseLeave() {}
    // The system asks the window to close; the default unloads the form.
    virtual void Form_CloseRequest();
    // The window has taken its size at a new display resolution (every control laid out again).
    virtual void Form_Resize() {}
    // Starts the form's timers now, from inside Form_Load, once the form is whole enough for a tick:
    // a message box later in Form_Load then lets them tick. Otherwise they start when Form_Load returns.
    void StartTimers();

private:
    template <class T>
    friend class FormInstance;
    using Unloader = void (*)();

    void Load(Unloader unloader);
    void Destroy();
    void CreateNativeControls();

    void OnPaint(platform::Canvas& canvas) override;
    void OnMouseDown(const platform::MouseEvent& e) override;
    void OnMouseMove(const platform::MouseEvent& e) override;
    void OnMouseUp(const platform::MouseEvent& e) override;
    void OnDoubleClick(const platform::MouseEvent& e) override;
    void OnMouseEnter() override;
    void OnMouseLeave() override;
    void OnKeyDown(int keyCode, int shift) override;
    void OnKeyUp(int keyCode, int shift) override;
    void OnCloseRequest() override;
    void OnDpiChanged() override;

    Control* HitTest(int xPx, int yPx) const;
    int ToolId(const Label& label) const;
    platform::PixelRect OuterRect() const;
    platform::PixelRect ClientRect() const;

    std::string name_;
    FormSpec layout_;
    platform::WindowHandle hwnd_ = 0;
    Unloader unloader_ = nullptr;
    std::vector<Control*> controls_;  // bottom-most first
    std::vector<Timer*> timers_;
    Control* pressed_ = nullptr;      // receives the mouse while a button is held
    bool backgroundPressed_ = false;  // the left button went down where no control lies
    bool timersStarted_ = false;
    bool pointerOver_ = false;
};

}  // namespace forms
