// Our windows on Linux: each call handed to the FormWindow behind the handle.
#include "platform/linux/x11/LinuxWindows.h"

#include <FL/Enumerations.H>
#include <FL/Fl.H>
#include <FL/Fl_Tooltip.H>

#include "platform/linux/controls/MessageBox.h"
#include "platform/linux/draw/Fonts.h"
#include "platform/linux/draw/ProgramIcon.h"
#include "platform/linux/wm/WindowManager.h"
#include "platform/linux/x11/FormWindow.h"
#include "platform/linux/x11/Pointer.h"
#include "platform/linux/x11/XProperties.h"

namespace platform::x11 {

namespace {
Color InfoBackground() {
    return {255, 255, 225};
}
}  // namespace

LinuxWindows::LinuxWindows(BackendState& state) : state_(state) {
    // Tips look like Windows' (info colour, the UI font that has the Japanese glyphs).
    const Color info = InfoBackground();
    Fl_Tooltip::color(fl_rgb_color(info.r, info.g, info.b));
    Fl_Tooltip::textcolor(FL_BLACK);
    Fl_Tooltip::font(static_cast<Fl_Font>(FltkFontFor(kUiFont)));
    Fl_Tooltip::delay(0.5f);
    WatchPointerCrossings([](Fl_Window& window, bool entered) {
        if (auto* form = dynamic_cast<FormWindow*>(&window))
            form->PointerCrossed(entered);
    });
}

WindowHandle LinuxWindows::CreateFormWindow(const WindowSpec& layout, WindowListener& listener) {
    state_.Dpi();  // its text is drawn at it
    if (layout.frame == WindowFrame::Dialog)
        InstallWindowIcons();  // the borderless windows have no manager to show an icon
    return state_.Add(new FormWindow(layout, listener));
}

void LinuxWindows::DestroyWindow(WindowHandle w) {
    FormWindow* window = state_.Find(w);
    if (!window)
        return;
    state_.Remove(w);
    if (window->shown())
        state_.Facts().OurWindowGone();
    window->Detach();
    // A window whose own handler is destroying it is deleted once that handler has returned.
    if (window->Dispatching()) {
        window->DeleteWhenIdle();
    } else {
        Fl::delete_widget(window);
    }
}

void LinuxWindows::SetVisible(WindowHandle w, bool visible) {
    FormWindow* window = state_.Find(w);
    if (!window)
        return;
    if (visible) {
        window->Show();
    } else if (window->shown()) {
        window->Hide();
        state_.Facts().OurWindowGone();
    }
}

bool LinuxWindows::IsVisible(WindowHandle w) {
    FormWindow* window = state_.Find(w);
    return window && window->shown();
}

void LinuxWindows::MoveWindow(WindowHandle w, int left, int top) {
    if (FormWindow* window = state_.Find(w))
        window->MoveOuter(left, top);
}

void LinuxWindows::ResizeWindow(WindowHandle w, int width, int height) {
    if (FormWindow* window = state_.Find(w))
        window->ResizeOuter(width, height);
}

void LinuxWindows::ResizeClient(WindowHandle w, int clientWidth, int clientHeight) {
    if (FormWindow* window = state_.Find(w))
        window->ResizeClient(clientWidth, clientHeight);
}

void LinuxWindows::Invalidate(WindowHandle w, const PixelRect& r) {
    if (FormWindow* window = state_.Find(w))
        window->InvalidateClient(r);
}

void LinuxWindows::SetTopMost(WindowHandle w) {
    if (FormWindow* window = state_.Find(w))
        window->MakeTopMost();
}

void LinuxWindows::SetTranslucency(WindowHandle w, std::uint8_t alpha) {
    if (FormWindow* window = state_.Find(w))
        window->SetAlpha(alpha);
}

void LinuxWindows::SetRoundedRegion(WindowHandle w, const PixelRect& r, int ellipseWidth, int ellipseHeight) {
    if (FormWindow* window = state_.Find(w))
        window->SetRoundedShape(r, ellipseWidth, ellipseHeight);
}

void LinuxWindows::Activate(WindowHandle w) {
    FormWindow* window = state_.Find(w);
    if (!window)
        return;
    window->Show();
    // Sent right after the map request, the manager reads it once it has taken the new window on.
    // A window no manager handles takes the focus itself.
    RequestActivation(*window, !window->Unmanaged() && WmSupports(XAtom::ActiveWindow));
}

void LinuxWindows::SetNoActivate(WindowHandle w) {
    if (FormWindow* window = state_.Find(w))
        window->RefuseFocus();
}

void LinuxWindows::SetToolTip(WindowHandle w, int id, const PixelRect& r, std::string_view text) {
    if (FormWindow* window = state_.Find(w))
        window->SetToolTip(id, r, text);
}

void LinuxWindows::SetCursorArea(WindowHandle w, int id, const PixelRect& r, PointerShape shape) {
    if (FormWindow* window = state_.Find(w))
        window->SetCursorArea(id, r, shape);
}

Color LinuxWindows::SystemColorValue(SystemColor c) {
    switch (c) {
        case SystemColor::WindowText:
            return {0, 0, 0};
        case SystemColor::Window:
            return {255, 255, 255};
        case SystemColor::InfoBackground:
            return InfoBackground();
        case SystemColor::ButtonFace:
            return {240, 240, 240};
        case SystemColor::ButtonText:
            return {0, 0, 0};
        case SystemColor::ButtonHighlight:
            return {255, 255, 255};
    }
    return {0, 0, 0};
}

int LinuxWindows::ScreenDpi() {
    return state_.Dpi();
}

void LinuxWindows::ShowMessageBox(std::string_view text, std::string_view caption, MessageIcon icon) {
    state_.Dpi();  // the box's text and sizes follow it
    InstallWindowIcons();
    x11::ShowMessageBox(text, caption, icon);
}

}  // namespace platform::x11
