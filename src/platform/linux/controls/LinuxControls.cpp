// The Linux control port: handles of LinuxControl objects, the tab order as the order of the
// window's children, balloon tips, and the key preview of form windows.
#include "platform/linux/controls/LinuxControls.h"

#include <FL/Fl.H>

#include "platform/linux/controls/NativeControls.h"
#include "platform/linux/x11/FormWindow.h"

namespace platform::x11 {

LinuxControls::LinuxControls(BackendState& state) : state_(state) {
    Fl::event_dispatch(&DispatchWithKeyPreview);
}

// Before the windows they sit in.
LinuxControls::~LinuxControls() = default;

LinuxControl* LinuxControls::FindControl(ControlHandle c) const {
    const auto it = controls_.find(c);
    return it == controls_.end() ? nullptr : it->second.control.get();
}

ControlHandle LinuxControls::CreateControl(WindowHandle form, const ControlSpec& layout, ControlListener& listener) {
    FormWindow* window = state_.Find(form);
    if (!window)
        return 0;
    const ControlHandle handle = state_.NextHandle();  // one counter with the windows: no handle means both
    controls_.emplace(handle,
                      ControlEntry{form, std::make_unique<LinuxControl>(*window, window->Inset(), layout, listener)});
    return handle;
}

void LinuxControls::DestroyControl(ControlHandle c) {
    const auto it = controls_.find(c);
    if (it == controls_.end())
        return;
    if (FormWindow* window = state_.Find(it->second.form)) {
        if (window->Detached() == false)
            window->BalloonTips().Remove(it->second.control->Widget());
    }
    controls_.erase(it);
}

void LinuxControls::MoveControl(ControlHandle c, const PixelRect& bounds) {
    if (LinuxControl* control = FindControl(c))
        control->Move(bounds);
}

void LinuxControls::ShowControl(ControlHandle c, bool visible) {
    if (LinuxControl* control = FindControl(c))
        visible ? control->Widget().show() : control->Widget().hide();
}

void LinuxControls::EnableControl(ControlHandle c, bool enabled) {
    if (LinuxControl* control = FindControl(c))
        enabled ? control->Widget().activate() : control->Widget().deactivate();
}

void LinuxControls::SetControlFont(ControlHandle c, const Font& font) {
    if (LinuxControl* control = FindControl(c))
        control->SetFont(font);
}

void LinuxControls::SetControlText(ControlHandle c, std::string_view text) {
    if (LinuxControl* control = FindControl(c))
        control->SetText(text);
}

std::string LinuxControls::GetControlText(ControlHandle c) {
    const LinuxControl* control = FindControl(c);
    return control ? control->Text() : std::string();
}

void LinuxControls::SetControlValue(ControlHandle c, int value) {
    if (LinuxControl* control = FindControl(c))
        control->SetValue(value);
}

int LinuxControls::GetControlValue(ControlHandle c) {
    const LinuxControl* control = FindControl(c);
    return control ? control->Value() : 0;
}

void LinuxControls::InsertControlItem(ControlHandle c, int index, std::string_view text) {
    if (LinuxControl* control = FindControl(c))
        control->InsertItem(index, text);
}

void LinuxControls::RemoveControlItem(ControlHandle c, int index) {
    if (LinuxControl* control = FindControl(c))
        control->RemoveItem(index);
}

void LinuxControls::SetTabOrder(WindowHandle form, const std::vector<ControlHandle>& order) {
    FormWindow* window = state_.Find(form);
    if (!window)
        return;
    int position = 0;
    for (const ControlHandle c : order) {
        if (LinuxControl* control = FindControl(c))
            window->insert(control->Widget(), position++);
    }
}

void LinuxControls::FocusControl(ControlHandle c) {
    if (LinuxControl* control = FindControl(c))
        control->Widget().take_focus();
}

void LinuxControls::AddBalloonTip(WindowHandle form, ControlHandle c, const BalloonTip& tip) {
    FormWindow* window = state_.Find(form);
    LinuxControl* control = FindControl(c);
    if (window && control)
        window->BalloonTips().Add(control->Widget(), tip);
}

// Every event goes through here: a key for a native control is shown to its form first.
int DispatchWithKeyPreview(int event, Fl_Window* window) {
    if ((event == FL_KEYDOWN || event == FL_KEYUP) && window) {
        auto* form = dynamic_cast<FormWindow*>(window);
        const Fl_Widget* focus = Fl::focus();
        if (form && focus && focus != form && focus->inside(form) && !form->PreviewKey(event))
            return 1;  // the form closed: the key goes nowhere else
    }
    return Fl::handle_(event, window);
}

}  // namespace platform::x11
