// The fake platform's native controls: records of what the program set, and the user's actions
// played to their listeners.
#include <algorithm>
#include <stdexcept>

#include "platform/fake/FakePlatform.h"

namespace platform::fake {

FakeControl& FakePlatform::Control(ControlHandle c) {
    auto it = controls.find(c);
    if (it == controls.end())
        throw std::out_of_range("no such fake control");
    return it->second;
}

ControlHandle FakePlatform::CreateControl(WindowHandle form, const ControlSpec& layout, ControlListener& listener) {
    Window(form);  // must exist
    const ControlHandle h = nextWindow_++;
    FakeControl& c = controls[h];
    c.form = form;
    c.layout = layout;
    c.listener = &listener;
    c.text = layout.text;
    c.value = layout.kind == ControlKind::Slider                                              ? layout.minimum
              : (layout.kind == ControlKind::ComboBox || layout.kind == ControlKind::ListBox) ? -1
                                                                                              : 0;
    return h;
}

void FakePlatform::DestroyControl(ControlHandle c) {
    controls.erase(c);
    if (focus == c)
        focus = 0;
}

void FakePlatform::MoveControl(ControlHandle c, const PixelRect& bounds) {
    Control(c).layout.bounds = bounds;
}

void FakePlatform::ShowControl(ControlHandle c, bool visible) {
    Control(c).visible = visible;
}

void FakePlatform::EnableControl(ControlHandle c, bool enabled) {
    Control(c).enabled = enabled;
}

void FakePlatform::SetControlFont(ControlHandle c, const Font& font) {
    Control(c).layout.font = font;
}

void FakePlatform::SetControlText(ControlHandle c, std::string_view text) {
    Control(c).text = text;
}

std::string FakePlatform::GetControlText(ControlHandle c) {
    return Control(c).text;
}

void FakePlatform::SetControlValue(ControlHandle c, int value) {
    Control(c).value = value;
}

int FakePlatform::GetControlValue(ControlHandle c) {
    return Control(c).value;
}

void FakePlatform::InsertControlItem(ControlHandle c, int index, std::string_view text) {
    std::vector<std::string>& items = Control(c).items;
    items.insert(items.begin() + std::clamp<std::ptrdiff_t>(index, 0, static_cast<std::ptrdiff_t>(items.size())),
                 std::string(text));
}

void FakePlatform::RemoveControlItem(ControlHandle c, int index) {
    std::vector<std::string>& items = Control(c).items;
    if (index >= 0 && index < static_cast<int>(items.size()))
        items.erase(items.begin() + index);
}

void FakePlatform::SetTabOrder(WindowHandle form, const std::vector<ControlHandle>& order) {
    tabOrders[form] = order;
}

void FakePlatform::FocusControl(ControlHandle c) {
    Control(c);
    focus = c;
}

void FakePlatform::AddBalloonTip(WindowHandle form, ControlHandle c, const BalloonTip& tip) {
    Window(form);
    Control(c).balloon = tip;
}

void FakePlatform::Type(ControlHandle c, std::string_view text) {
    FakeControl& fc = Control(c);
    fc.text = text;
    fc.listener->OnControlChanged();
}

void FakePlatform::Pick(ControlHandle c, int value) {
    FakeControl& fc = Control(c);
    fc.value = value;
    fc.listener->OnControlChanged();
}

void FakePlatform::Click(ControlHandle c) {
    FakeControl& fc = Control(c);
    if (!fc.enabled)
        return;
    if (fc.layout.kind == ControlKind::CheckBox) {
        fc.value = fc.value == 1 ? 0 : 1;
        fc.listener->OnControlChanged();
    } else {
        fc.listener->OnControlClicked();
    }
}

void FakePlatform::PressKey(WindowHandle w, int keyCode) {
    WindowListener* listener = Window(w).listener;
    listener->OnKeyDown(keyCode, 0);
    if (windows.count(w) != 0)
        listener->OnKeyUp(keyCode, 0);
}

}  // namespace platform::fake
