// The clock tick: time and date, and the hover trigger of the information popup.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <tuple>

#include "bar/frmMain.h"
#include "calendar/frmCalendar.h"
#include "core/SharedState.h"
#include "support/FakeFixture.h"
#include "sysinfo/frmPopup.h"

namespace {

class Clock : public testsupport::FakeFixture {
protected:
    Clock() {
        fake.PointTo({500, 500});  // away from the bar
        frmMain& bar = frmMain::Get();
        bar.Move(forms::ToTwips(100), forms::ToTwips(50));  // 100..332 x 50..70 pixels
        fake.Advance(10);                                   // let the first calendar creation pass
    }
    frmMain& Bar() { return frmMain::Get(); }
    bool PopupShown() { return frmPopup::IsLoaded() && frmPopup::Get().Visible(); }
    // Points at the bar and lets ms pass (the popup opens after a clock tick and a second); true when shown.
    bool RestOnBar(int ms = 1500) {
        fake.PointTo({150, 60});
        fake.Advance(ms);
        return PopupShown();
    }
};

// The time with the date as tooltip. A time text wider than the clock's cell is drawn whole, at the
// largest size that fits; one that fits keeps the clock's font.
TEST_F(Clock, ShowsTheTimeAndDrawsItWholeAtTheLargestSizeThatFits) {
    fake.localTime = {2003, 10, 1, 9, 5, 7, 3};
    fake.Advance(500);
    EXPECT_EQ(std::pair(Bar().lblTime.Caption(), Bar().lblTime.ToolTipText()),
              std::pair(std::string("09:05:07"), std::string("2003/10/01")));
    const struct {
        int dpi;
        bool twelveHour;
        const char* text;
    } cases[] = {{96, false, "22:49:58"}, {96, true, "10:49:58 PM"}, {144, true, "10:49:58 PM"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.dpi << " dpi, " << c.text);
        fake.ChangeDpi(c.dpi);
        fake.twelveHourClock = c.twelveHour;
        fake.localTime = {2003, 10, 1, 22, 49, 58, 3};
        fake.Advance(500);
        const platform::PixelRect cell = Bar().lblTime.PixelBounds();
        const int room = cell.Width() - 2;  // inside its border
        const auto ops = fake.Paint(Bar().hWnd());
        const auto text = std::find_if(ops.begin(), ops.end(), [&](const platform::fake::DrawOp& op) {
            return op.kind == platform::fake::DrawOp::Text && op.text == c.text;
        });
        ASSERT_NE(text, ops.end());
        const platform::Font& full = Bar().lblTime.Font();
        if (platform::fake::FakeTextWidth(c.text, full, c.dpi) <= room) {
            EXPECT_EQ(text->font, full);
            EXPECT_EQ(text->rect.top, cell.top + 1);
            continue;
        }
        EXPECT_LE(platform::fake::FakeTextWidth(c.text, text->font, c.dpi), room);
        platform::Font larger = text->font;
        larger.points += 72.0 / c.dpi;  // one pixel more
        EXPECT_GT(platform::fake::FakeTextWidth(c.text, larger, c.dpi), room);
        EXPECT_GT(text->rect.top, cell.top + 1);  // centred on the full size's line
    }
}

TEST_F(Clock, TheBarsEdgeCountsAsNeitherInsideNorOutside) {
    fake.PointTo({100, 60});  // on the left edge
    fake.Advance(500);
    EXPECT_FALSE(Bar().tmrToolTip.Running());
    EXPECT_TRUE(RestOnBar());
    fake.PointTo({332, 70});  // on the bottom-right corner after arming: the popup stays
    fake.Advance(500);
    EXPECT_TRUE(PopupShown());
}

TEST_F(Clock, TheCursorIsAskedForOnlyWhileItMayBeOnTheBar) {
    const auto asked = [&] { return std::count(fake.calls.begin(), fake.calls.end(), "cursor"); };
    fake.calls.clear();
    fake.Advance(2000);  // away since the start
    EXPECT_EQ(asked(), 0);
    fake.PointTo({150, 60});
    fake.Advance(1000);
    EXPECT_EQ(asked(), 2);
    EXPECT_TRUE(Bar().tmrToolTip.Running());  // armed by a clock tick, the popup a second later
    EXPECT_FALSE(PopupShown());
    fake.PointTo({400, 60});  // off the bar: asked once more, seen outside, then left alone
    fake.Advance(2000);
    EXPECT_EQ(asked(), 3);
    EXPECT_FALSE(Bar().tmrToolTip.Running());
}

// A menu's grab takes the pointer off the bar while it rests there, and a bar that moves under a
// resting pointer comes over it: the hover follows where the pointer really is.
TEST_F(Clock, TheHoverFollowsThePointerNotJustItsMoves) {
    ASSERT_TRUE(RestOnBar());
    fake.Window(Bar().hWnd()).listener->OnMouseLeave();
    fake.Advance(1000);
    EXPECT_TRUE(PopupShown());

    fake.PointTo({600, 300});
    fake.Advance(500);
    ASSERT_FALSE(frmPopup::IsLoaded());
    Bar().Move(forms::ToTwips(500), forms::ToTwips(290));
    fake.Advance(1500);
    EXPECT_TRUE(PopupShown());
}

TEST_F(Clock, ACancelledTriggerComesBackOnlyAfterTheCursorLeftTheBar) {
    ASSERT_TRUE(RestOnBar());
    Bar().CancelPopup();  // what a drag, the menu or the calendar's creation do
    fake.Advance(3000);
    EXPECT_FALSE(frmPopup::IsLoaded());
    fake.PointTo({500, 500});
    fake.Advance(500);
    EXPECT_TRUE(RestOnBar());
}

// The popup opens only for a pointer that rests on the bar, and goes as soon as the pointer is off
// it; a double-click on the clock (open or close the calendar) never leaves the trigger armed.
TEST_F(Clock, ThePopupNeedsThePointerOnTheBarAndNeverFollowsACalendarToggle) {
    const platform::PixelPoint clock{280, 60}, away{600, 400};
    const auto doubleClick = [&] { fake.Window(Bar().hWnd()).listener->OnDoubleClick({0, 0, 180, 5}); };
    fake.foreground = Bar().hWnd();  // the follow tick keeps an open calendar while the bar is active
    const auto rest = [&](int ms) { fake.PointTo(clock), fake.Advance(ms); };
    const struct {
        const char* what;
        std::function<void()> act;
    } cases[] = {
        // clang-format off
        {"double-click after resting, then away at once", [&] { rest(600), doubleClick(), fake.PointTo(away); }},
        {"double-click after resting, then rest on the bar", [&] { rest(600), doubleClick(); }},
        {"open, rest, close with a double-click and stay",
         [&] { fake.PointTo(clock), doubleClick(), fake.Advance(2000), doubleClick(); }},
        {"the pointer left and no clock tick has seen it yet", [&] {
             rest(500);
             ASSERT_TRUE(Bar().tmrToolTip.Running());
             Bar().tmrTime.SetEnabled(false);  // a tick held up
             fake.PointTo(away);
         }},
    };
    // clang-format on
    for (const auto& c : cases) {
        c.act();
        for (int t = 0; t < 3000; t += 100) {
            fake.Advance(100);
            ASSERT_FALSE(PopupShown()) << c.what << " at " << t;
        }
        // Back to the start: calendar closed, pointer away long enough to disarm.
        Bar().tmrTime.SetEnabled(true);
        if (SharedState::bCalendar)
            Bar().CloseCalendar();
        fake.PointTo(away);
        fake.Advance(1000);
    }
}

// A popup over a calendar shown meanwhile closes when the pointer leaves the bar, and opens no more
// while the calendar is open.
TEST_F(Clock, APopupOverTheCalendarClosesWhenThePointerLeavesTheBarAndOpensNoMore) {
    fake.foreground = Bar().hWnd();  // the follow tick keeps the calendar while the bar is active
    ASSERT_TRUE(RestOnBar());
    Bar().ShowCalendar();  // as the follow tick or a drag shows it, without the toggle
    fake.PointTo({600, 400});
    fake.Advance(500);
    EXPECT_EQ(std::pair(frmPopup::IsLoaded(), Bar().tmrToolTip.Running()), std::pair(false, false));
    ASSERT_TRUE(SharedState::bCalendar);
    EXPECT_FALSE(RestOnBar(3000));
    EXPECT_FALSE(frmPopup::IsLoaded());
}

TEST_F(Clock, RecreatesTheCalendarRestartsFollowingAndCancelsATriggerArmedMeanwhile) {
    frmCalendar::Unload();
    Bar().tmrCheck.SetEnabled(false);  // so the clock tick is the one that creates the calendar
    fake.PointTo({150, 60});
    fake.Advance(500);  // arms, then the calendar's creation cancels it
    EXPECT_EQ(std::tuple(frmCalendar::IsLoaded(), Bar().tmrCheck.Enabled(), Bar().tmrToolTip.Running()),
              std::tuple(true, true, false));
    fake.Advance(3000);
    EXPECT_FALSE(frmPopup::IsLoaded());
}

}  // namespace
