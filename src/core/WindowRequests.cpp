// The window requests, passed on to the answers the wiring installed.
#include "core/WindowRequests.h"

namespace WindowRequests {

namespace {
Answers installed;

template <class... Args>
void Ask(void (*answer)(Args...), Args... args) {
    if (answer)
        answer(args...);
}
}  // namespace

void Install(const Answers& answers) {
    installed = answers;
}

platform::WindowHandle CalendarWindow() {
    return installed.calendarWindow ? installed.calendarWindow() : platform::WindowHandle{};
}

void PlaceCalendar(const Frame& bar) {
    Ask<const Frame&>(installed.placeCalendar, bar);
}

void ShowCalendar() {
    Ask(installed.showCalendar);
}

void DismissCalendar() {
    Ask(installed.dismissCalendar);
}

void CloseCalendar() {
    Ask(installed.closeCalendar);
}

void CalendarKeyUp(int KeyCode, int Shift) {
    Ask(installed.calendarKeyUp, KeyCode, Shift);
}

void ShowPopup() {
    Ask(installed.showPopup);
}

void ClosePopup() {
    Ask(installed.closePopup);
}

void OpenSettings() {
    Ask(installed.openSettings);
}

void OpenAbout() {
    Ask(installed.openAbout);
}

std::optional<Frame> BarFrame() {
    return installed.barFrame ? installed.barFrame() : std::nullopt;
}

void BarKeyUp(int KeyCode, int Shift) {
    Ask(installed.barKeyUp, KeyCode, Shift);
}

void CancelPopup() {
    Ask(installed.cancelPopup);
}

}  // namespace WindowRequests
