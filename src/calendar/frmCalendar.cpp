// The calendar window: its controls, its load sequence, and the keys and buttons that change the month.
#include "calendar/frmCalendar.h"

#include <algorithm>
#include <string>
#include <utility>

#include "calendar/CalendarDate.h"
#include "core/PlatformFamily.h"
#include "core/SharedState.h"
#include "forms/Screen.h"

using forms::BackStyle;
using forms::ColorRef;

namespace {

constexpr int kKeyEscape = 27;
constexpr int kKeyLeft = 37;
constexpr int kKeyUp = 38;
constexpr int kKeyRight = 39;
constexpr int kKeyDown = 40;

const platform::Font kTitleFont{"ＭＳ Ｐゴシック", 11.25, 700};
const platform::Font kDayFont{"ＭＳ Ｐゴシック", 9.75, 700};

forms::FormSpec CalendarLayout() {
    forms::FormSpec layout;
    layout.clientWidth = 2070;  // 138 x 136 pixels
    layout.clientHeight = 2040;
    layout.frame = platform::WindowFrame::ThinBorder;
    layout.backColor = ColorRef::System(platform::SystemColor::InfoBackground);
    return layout;
}

forms::Twips CellLeft(std::size_t i) {
    return static_cast<forms::Twips>(120 + 270 * (i % 7));
}
forms::Twips CellTop(std::size_t i) {
    return static_cast<forms::Twips>(600 + 240 * (i / 7));
}

forms::Label DateCell(forms::Form& owner, std::size_t i) {
    return forms::Label(owner, "lblDate(" + std::to_string(i) + ")", {CellLeft(i), CellTop(i), 255, 195});
}

// Built in place, one after another, so the cells join the form in index order; each through one
// call, not a copy of the whole construction per cell.
template <std::size_t... I>
std::array<forms::Label, sizeof...(I)> DateCells(forms::Form& owner, std::index_sequence<I...>) {
    return {DateCell(owner, I)...};
}

void CalendarText(forms::Label& l, const platform::Font& font, ColorRef colour) {
    l.SetFont(font);
    l.SetAlignment(platform::TextAlign::Center);
    l.SetBackStyle(BackStyle::Transparent);
    l.SetForeColor(colour);
}

void Header(forms::Label& l, const char* caption, ColorRef colour) {
    CalendarText(l, kDayFont, colour);
    l.SetCaption(caption);
}

}  // namespace

frmCalendar::frmCalendar()
    : Form("frmCalendar", CalendarLayout()),
      btnLeft(*this, "btnLeft", {120, 80, 255, 255}),
      btnRight(*this, "btnRight", {1680, 80, 255, 255}),
      lblTitle(*this, "lblTitle", {480, 45, 1095, 225}),
      Label1(*this, "Label1", {390, 360, 255, 255}),
      Label2(*this, "Label2", {120, 360, 255, 255}),
      Label3(*this, "Label3", {660, 360, 255, 255}),
      Label4(*this, "Label4", {930, 360, 255, 255}),
      Label5(*this, "Label5", {1200, 360, 255, 255}),
      Label6(*this, "Label6", {1470, 360, 255, 255}),
      Label7(*this, "Label7", {1740, 360, 255, 255}),
      lblDate(DateCells(*this, std::make_index_sequence<kCells>{})),
      txtFocus(*this, "txtFocus", {3000, 720, 375, 270}) {
    btnLeft.SetCaption("<");
    btnRight.SetCaption(">");
    btnLeft.onClick = [this] { btnLeft_Click(); };
    btnRight.onClick = [this] { btnRight_Click(); };

    const ColorRef black = ColorRef::Rgb(0, 0, 0);
    CalendarText(lblTitle, kTitleFont, black);
    Header(Label2, "日", ColorRef::Rgb(255, 0, 0));
    Header(Label1, "月", black);
    Header(Label3, "火", black);
    Header(Label4, "水", black);
    Header(Label5, "木", black);
    Header(Label6, "金", black);
    Header(Label7, "土", ColorRef::Rgb(0, 0, 255));
    for (forms::Label& cell : lblDate) {
        CalendarText(cell, kDayFont, black);
        cell.SetBackColor(ColorRef::Rgb(255, 192, 255));  // today's pink, seen only while the cell is opaque
    }
    txtFocus.SetText("Text1");
}

void frmCalendar::Form_Load() {
    MonthDays = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    core::ApplyTransparency(hWnd());
    // A calendar appearing over the bar takes the place of the information popup.
    WindowRequests::CancelPopup();
    const platform::LocalTime today = platform::Readings().Now();
    CalYear = static_cast<std::int16_t>(std::clamp(today.year, calendar::kFirstYear, calendar::kLastYear));
    CalMonth = static_cast<std::int16_t>(std::clamp(today.month, 1, 12));
    DrawCalendar();
    platform::Windows().SetTopMost(hWnd());
}

void frmCalendar::Open() {
    SharedState::bCalendar = true;
    Show();
}

void frmCalendar::Dismiss() {
    Hide();
    SharedState::bCalendar = false;
}

void frmCalendar::Close() {
    Unload();
    SharedState::bCalendar = false;
}

// The room below is measured on the work area of the bar's monitor, and the calendar is kept inside
// that work area (off no screen edge, on no panel).
void frmCalendar::PlaceUnder(const WindowRequests::Frame& bar) {
    const forms::Screen::Area area = forms::Screen::WorkAreaOf(bar.window);
    const forms::Twips barBottom = bar.top + bar.height;
    forms::Twips top = barBottom;
    const forms::Twips left = bar.left + bar.width - Width();
    if (area.bottom - barBottom < Height())
        top = bar.top - Height();
    Move(forms::Screen::Inside(left, Width(), area.left, area.right),
         forms::Screen::Inside(top, Height(), area.top, area.bottom));
}

void frmCalendar::Call_Form_KeyUp(int KeyCode, int Shift) {
    Form_KeyUp(KeyCode, Shift);
}

// Modifiers are ignored: Shift or Ctrl with an arrow is the arrow. At the ends of the 16-bit year
// range the steps stop instead of wrapping round (CalendarDate.h).
void frmCalendar::Form_KeyUp(int KeyCode, int /*Shift*/) {
    switch (KeyCode) {
        case kKeyEscape:
            Close();
            return;
        case kKeyLeft:
            calendar::StepMonth(CalYear, CalMonth, -1);
            break;
        case kKeyRight:
            calendar::StepMonth(CalYear, CalMonth, 1);
            break;
        case kKeyUp:
            calendar::StepYear(CalYear, -1);
            break;
        case kKeyDown:
            calendar::StepYear(CalYear, 1);
            break;
        default:
            break;  // redraws the same month, which repaints nothing
    }
    DrawCalendar();
}

void frmCalendar::btnLeft_Click() {
    Form_KeyUp(kKeyLeft, 0);
}

void frmCalendar::btnRight_Click() {
    Form_KeyUp(kKeyRight, 0);
}
