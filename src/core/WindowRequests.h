// Where one subsystem asks for another's window: the bar for the calendar and the popup, its menu
// for the settings and about dialogs, the calendar and the popup for the bar. Each request is
// answered by the wiring (app/), the one place that knows every form; the asking subsystem knows
// only the request. Before the answers are installed a request does nothing (and a query answers
// with nothing).
#pragma once

#include <optional>

#include "forms/Twips.h"
#include "platform/Platform.h"

namespace WindowRequests {

// A window's handle and its place in twips.
struct Frame {
    platform::WindowHandle window{};
    forms::Twips left = 0;
    forms::Twips top = 0;
    forms::Twips width = 0;
    forms::Twips height = 0;
};

// What the wiring does for each request: installed once at start (app::InstallWiring).
struct Answers {
    platform::WindowHandle (*calendarWindow)() = nullptr;
    void (*placeCalendar)(const Frame& bar) = nullptr;
    void (*showCalendar)() = nullptr;
    void (*dismissCalendar)() = nullptr;
    void (*closeCalendar)() = nullptr;
    void (*calendarKeyUp)(int KeyCode, int Shift) = nullptr;
    void (*showPopup)() = nullptr;
    void (*closePopup)() = nullptr;
    void (*openSettings)() = nullptr;
    void (*openAbout)() = nullptr;
    std::optional<Frame> (*barFrame)() = nullptr;
    void (*barKeyUp)(int KeyCode, int Shift) = nullptr;
    void (*cancelPopup)() = nullptr;
};
void Install(const Answers& answers);

// Of the calendar (the bar asks). Its window, created hidden if need be.
platform::WindowHandle CalendarWindow();
// Puts it under the bar (above it when the screen ends too soon), right edges aligned.
void PlaceCalendar(const Frame& bar);
// Shows it where it stands and marks it shown under the bar.
void ShowCalendar();
// Hides it and marks it not shown (the foreground went to another program's window).
void DismissCalendar();
// Closes it and marks it not shown.
void CloseCalendar();
// A key released on the bar, handled as if released on the calendar.
void CalendarKeyUp(int KeyCode, int Shift);

// Of the information popup (the bar asks): shown beside the bar, or closed.
void ShowPopup();
void ClosePopup();

// Of the dialogs (the bar's menu asks). Settings: the bar closes while the dialog is open and comes
// back, reading the settings file anew, when it ends. About: opened (or brought forward) active.
void OpenSettings();
void OpenAbout();

// Of the bar (the popup and the calendar ask). Its frame; nothing while it is not loaded.
std::optional<Frame> BarFrame();
// A key released on the popup, handled as if released on the bar.
void BarKeyUp(int KeyCode, int Shift);
// The bar stops its popup delay and closes the popup (a calendar has come over the bar).
void CancelPopup();

}  // namespace WindowRequests
