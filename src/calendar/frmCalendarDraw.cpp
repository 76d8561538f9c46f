// Filling the calendar's grid: day numbers in their weekday and holiday colours, a holiday's name in its
// tooltip, today on pink, the title.
#include <optional>
#include <string>

#include "calendar/CalendarDate.h"
#include "calendar/basHoliday.h"
#include "calendar/frmCalendar.h"

using forms::BackStyle;
using forms::ColorRef;

namespace {

constexpr ColorRef kRed = ColorRef::Rgb(255, 0, 0);
constexpr ColorRef kBlue = ColorRef::Rgb(0, 0, 255);
constexpr ColorRef kBlack = ColorRef::Rgb(0, 0, 0);

struct CellLook {
    std::string caption;
    BackStyle back = BackStyle::Transparent;
    std::optional<ColorRef> fore;   // none: an empty cell keeps the colour it had
    const char* holiday = nullptr;  // the tooltip
};

}  // namespace

// The looks are worked out first and set once: a cell that ends as it was is not repainted, and one
// that changes is repainted once, not for every step that touches it.
void frmCalendar::DrawCalendar() {
    calendar::StepMonth(CalYear, CalMonth, 0);  // a month set from outside 1..12 must not index past MonthDays
    std::array<CellLook, kCells> cells{};

    const int offset = calendar::Weekday(CalYear, CalMonth, 1) - 1;
    std::int16_t days = MonthDays[static_cast<std::size_t>(CalMonth)];
    if (CalMonth == 2 && calendar::IsLeapYear(CalYear))
        days = 29;
    const platform::LocalTime today = platform::Readings().Now();
    const bool todaysMonth = today.year == CalYear && today.month == CalMonth;

    for (std::int16_t d = 1; d <= days; ++d) {
        const int index = offset + d - 1;
        CellLook& cell = cells[static_cast<std::size_t>(index)];
        cell.back = BackStyle::Transparent;
        const int weekday = index % 7 + 1;  // the grid starts on a Sunday
        cell.fore = weekday == 1 ? kRed : weekday == 7 ? kBlue : kBlack;
        if (todaysMonth && today.day == d)
            cell.back = BackStyle::Opaque;
        cell.holiday = basHoliday::HolidayName(CalYear, CalMonth, d, days);
        if (cell.holiday)
            cell.fore = kRed;
        cell.caption = std::to_string(d);
    }

    for (std::size_t i = 0; i < cells.size(); ++i) {
        forms::Label& label = lblDate[i];
        label.SetCaption(std::move(cells[i].caption));
        label.SetBackStyle(cells[i].back);
        if (cells[i].fore)
            label.SetForeColor(*cells[i].fore);
        label.SetToolTipText(cells[i].holiday ? cells[i].holiday : "");
    }
    lblTitle.SetCaption(std::to_string(CalYear) + "/" + std::to_string(CalMonth));
}
