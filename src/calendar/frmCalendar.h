// The month calendar window that opens under the bar: a grid of day numbers with Sundays and holidays
// in red (a holiday's name in its tooltip), Saturdays in blue and today on pink; "<" and ">" and the
// arrow keys change the month.
#pragma once

#include <array>
#include <cstdint>

#include "core/WindowRequests.h"
#include "forms/DrawnButton.h"
#include "forms/FormInstance.h"
#include "forms/Label.h"
#include "forms/ReadOnlyTextBox.h"

class frmCalendar : public forms::Form, public forms::FormInstance<frmCalendar> {
public:
    static constexpr int kCells = 42;  // six weeks, Sunday first

    // Shown, and marked shown under the bar (SharedState::bCalendar).
    void Open();
    // Hidden and marked not shown; the window stays.
    void Dismiss();
    // Unloaded and marked not shown.
    static void Close();
    // Puts the calendar under the bar (above it when the screen ends too soon), right edges aligned.
    void PlaceUnder(const WindowRequests::Frame& bar);
    // A key released elsewhere (the bar passes on its own), handled as if released here.
    void Call_Form_KeyUp(int KeyCode, int Shift);
    // Fills the grid and the title for CalYear/CalMonth.
    void DrawCalendar();

    // The month shown; CalMonth is 1..12.
    std::int16_t CalYear = 0;
    std::int16_t CalMonth = 1;
    // Month lengths by month number (index 0 unused); February's leap day is added when drawing.
    std::array<std::int16_t, 13> MonthDays{};

    // Controls, bottom-most first (the drawing order).
    forms::DrawnButton btnLeft;
    forms::DrawnButton btnRight;
    forms::Label lblTitle;
    forms::Label Label1;
    forms::Label Label2;
    forms::Label Label3;
    forms::Label Label4;
    forms::Label Label5;
    forms::Label Label6;
    forms::Label Label7;
    std::array<forms::Label, kCells> lblDate;
    forms::ReadOnlyTextBox txtFocus;

private:
    friend class forms::FormInstance<frmCalendar>;
    frmCalendar();

    void Form_Load() override;
    // Key preview: every key released in the window comes here.
    void Form_KeyUp(int KeyCode, int Shift) override;
    void btnLeft_Click();
    void btnRight_Click();
};
