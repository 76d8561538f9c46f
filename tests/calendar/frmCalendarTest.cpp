// The calendar window through the fake platform: a month's grid, colours and holiday names, today's pink, the keys
// and buttons, Esc, the load sequence and redraw economy.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "bar/frmMain.h"
#include "calendar/frmCalendar.h"
#include "core/AppSettings.h"
#include "core/SharedState.h"
#include "support/FakeFixture.h"
#include "sysinfo/frmPopup.h"

namespace {

using forms::BackStyle;
using forms::ColorRef;

class Calendar : public testsupport::FakeFixture {
protected:
    Calendar() {
        core::AppSettings.CalendarHoliday1 = core::kDefaultHolidays1;
        core::AppSettings.CalendarHoliday2 = core::kDefaultHolidays2;
        fake.localTime = {2003, 10, 15, 12, 0, 0, 3};
    }
    static frmCalendar& Cal() { return frmCalendar::Get(); }
    platform::fake::FakeWindow& Win() { return fake.Window(Cal().hWnd()); }
    static void ShowMonth(int year, int month) {
        Cal().CalYear = static_cast<std::int16_t>(year);
        Cal().CalMonth = static_cast<std::int16_t>(month);
        Cal().DrawCalendar();
    }
    void Key(int code, int shift = 0) { Win().listener->OnKeyUp(code, shift); }
    static std::pair<int, int> Shown() { return {Cal().CalYear, Cal().CalMonth}; }
    static const forms::Label& Cell(int i) { return Cal().lblDate[static_cast<std::size_t>(i)]; }
};

TEST_F(Calendar, LaysEachMonthOutFromItsFirstWeekday) {
    const struct {
        int year, month, firstCell, days;
    } months[] = {{2003, 10, 3, 31}, {2000, 2, 2, 29}, {2004, 2, 0, 29}, {2100, 2, 1, 28}, {2003, 2, 6, 28}};
    for (const auto& m : months) {
        ShowMonth(m.year, m.month);
        for (int i = 0; i < frmCalendar::kCells; ++i) {
            const int day = i - m.firstCell + 1;
            ASSERT_EQ(Cell(i).Caption(), day >= 1 && day <= m.days ? std::to_string(day) : "")
                << m.year << "/" << m.month;
        }
        EXPECT_EQ(Cal().lblTitle.Caption(), std::to_string(m.year) + "/" + std::to_string(m.month));
    }
}

TEST_F(Calendar, ColoursTheLawsHolidaysAndTheUsersDaysAndNamesThemInTooltips) {
    const ColorRef red = ColorRef::Rgb(255, 0, 0), blue = ColorRef::Rgb(0, 0, 255), black = ColorRef::Rgb(0, 0, 0);
    const struct {
        int year, month, firstCell;
        std::vector<std::tuple<int, ColorRef, std::string>> days;
    } months[] = {
        // clang-format off
        {2026, 5, 5, {{2, blue, ""}, {3, red, "憲法記念日"}, {4, red, "みどりの日"}, {5, red, "こどもの日"},
                      {6, red, "振替休日"}, {7, black, ""}}},
        {2026, 9, 2, {{21, red, "敬老の日"}, {22, red, "国民の休日"}, {23, red, "秋分の日"}, {24, black, ""}}},
        {2026, 12, 2, {{23, black, ""}, {29, red, "休日"}, {31, red, "休日"}}},  // the default list
    };
    // clang-format on
    for (const auto& m : months) {
        ShowMonth(m.year, m.month);
        for (const auto& [day, colour, name] : m.days) {
            const forms::Label& cell = Cell(m.firstCell + day - 1);
            EXPECT_EQ(cell.ForeColor(), colour) << m.year << "/" << m.month << "/" << day;
            EXPECT_EQ(cell.ToolTipText(), name) << m.year << "/" << m.month << "/" << day;
        }
    }
    // The window's tooltips: one per holiday of the month shown, none left from the month before.
    int named = 0;
    for (const auto& [id, tip] : Win().toolTips)
        named += tip.second.empty() ? 0 : 1;
    EXPECT_EQ(named, 3);
}

TEST_F(Calendar, TodayIsPinkOnlyInItsOwnMonth) {
    fake.localTime = {2003, 8, 31, 9, 0, 0, 0};  // cell 35
    EXPECT_EQ(Cell(35).GetBackStyle(), BackStyle::Opaque);
    EXPECT_EQ(Cell(35).BackColor(), ColorRef::Rgb(255, 192, 255));
    for (int key : {39, 37, 38}) {  // September, back to August, August of the year before
        Key(key);
        for (const forms::Label& cell : Cal().lblDate)
            EXPECT_EQ(cell.GetBackStyle(),
                      cell.Caption() == "31" && key == 37 ? BackStyle::Opaque : BackStyle::Transparent);
    }
}

TEST_F(Calendar, ArrowsAndButtonsStepMonthOrYearWhateverModifierIsHeld) {
    // The last four: at the ends of the 16-bit year the steps stop instead of wrapping round.
    const int steps[][5] = {{2003, 1, 37, 2002, 12},    {2003, 12, 39, 2004, 1},  {2003, 6, 38, 2002, 6},
                            {2003, 6, 40, 2004, 6},     {2003, 6, 65, 2003, 6},   {-1, 12, 39, 0, 1},
                            {32767, 12, 39, 32767, 12}, {32767, 3, 40, 32767, 3}, {-32768, 1, 37, -32768, 1},
                            {-32768, 7, 38, -32768, 7}};
    for (int shift : {0, 1, 2})
        for (const auto& [year, month, key, toYear, toMonth] : steps) {
            ShowMonth(year, month);
            Key(key, shift);
            EXPECT_EQ(Shown(), std::pair(toYear, toMonth)) << year << "/" << month << " key " << key;
        }
    ShowMonth(2003, 10);
    for (int x : {16, 120, 120}) {  // "<", ">", ">"
        Win().listener->OnMouseDown({1, 0, x, 13});
        Win().listener->OnMouseUp({0, 0, x, 13});
    }
    EXPECT_EQ(Shown(), std::pair(2003, 11));
}

TEST_F(Calendar, KeysPassedOnWhileHiddenChangeTheMonthAndEscClosesIt) {
    SharedState::bCalendar = true;
    Cal().Call_Form_KeyUp(40, 2);
    EXPECT_EQ(Cal().lblTitle.Caption(), "2004/10");
    EXPECT_FALSE(Win().visible);
    Key(27);
    EXPECT_FALSE(SharedState::bCalendar);
    EXPECT_FALSE(frmCalendar::IsLoaded());

    fake.localTime = {2004, 2, 10, 12, 0, 0, 2};
    EXPECT_EQ(Shown(), std::pair(2004, 2));  // a new calendar starts at the current month
}

TEST_F(Calendar, LoadingCancelsThePopupAndMakesTheWindowTranslucentAndTopmost) {
    WriteSettings("[Setting]\nTrans=200\n");
    frmMain& bar = frmMain::Get();  // creates a calendar of its own
    frmCalendar::Unload();
    bar.tmrToolTip.SetInterval(1000);
    bar.tmrToolTip.SetEnabled(true);
    frmPopup::Get().Show();

    EXPECT_EQ(Cell(17).GetBackStyle(), BackStyle::Opaque);  // 2003/10/15
    EXPECT_EQ(std::tuple(bar.tmrToolTip.Running(), frmPopup::IsLoaded(), Win().alpha, Win().topMostCalls),
              std::tuple(false, false, std::optional<std::uint8_t>(200), 1));
}

TEST_F(Calendar, RedrawingTheSameMonthRepaintsNothing) {
    const int before = Win().invalidations;
    Key(65);
    EXPECT_EQ(Win().invalidations, before);
    Key(39);
    EXPECT_GT(Win().invalidations, before);
}

}  // namespace
