// The clock tick: time and date, and the hover trigger of the information popup.
#include <gtest/gtest.h>

#include "bar/frmMain.h"
#include "calendar/frmCalendar.h"
#include "support/FakeFixture.h"
#include "sysinfo/frmPopup.h"

namespace {

class Clock : public testsupport::FakeFixture {
protected:
    Clock() {
        fake.cursor = {500, 500};  // away from the bar
        frmMain& bar = frmMain::Get();
        bar.Move(forms::ToTwips(100), forms::ToTwips(50));  // 100..332 x 50..70 pixels
        fake.Advance(10);                                   // let the first calendar creation pass
    }
    frmMain& Bar() { return frmMain::Get(); }
    bool PopupShown() { return frmPopup::IsLoaded() && frmPopup::Get().Visible(); }
};

TEST_F(Clock, ShowsTheTimeWithTheDateAsTooltip) {
    fake.localTime = {2003, 10, 1, 9, 5, 7, 3};
    fake.Advance(500);
    EXPECT_EQ(Bar().lblTime.Caption(), "09:05:07");
    EXPECT_EQ(Bar().lblTime.ToolTipText(), "2003/10/01");
}

TEST_F(Clock, RestingOnTheBarOpensThePopupAfterASecondAndLeavingClosesIt) {
    fake.cursor = {200, 60};
    fake.Advance(500);  // a clock tick arms the trigger
    EXPECT_TRUE(Bar().tmrToolTip.Running());
    EXPECT_FALSE(PopupShown());
    fake.Advance(1000);
    EXPECT_TRUE(PopupShown());

    fake.cursor = {400, 60};
    fake.Advance(500);
    EXPECT_FALSE(frmPopup::IsLoaded());
    EXPECT_FALSE(Bar().tmrToolTip.Running());
}

TEST_F(Clock, TheBarsEdgeCountsAsNeitherInsideNorOutside) {
    fake.cursor = {100, 60};  // on the left edge
    fake.Advance(500);
    EXPECT_FALSE(Bar().tmrToolTip.Running());
    fake.cursor = {150, 60};
    fake.Advance(1500);
    EXPECT_TRUE(PopupShown());
    fake.cursor = {332, 70};  // on the bottom-right corner after arming: the popup stays
    fake.Advance(500);
    EXPECT_TRUE(PopupShown());
}

TEST_F(Clock, ACancelledTriggerComesBackOnlyAfterTheCursorLeftTheBar) {
    fake.cursor = {150, 60};
    fake.Advance(1500);
    ASSERT_TRUE(PopupShown());
    Bar().CancelPopup();  // what a drag, the menu or the calendar's creation do
    fake.Advance(3000);
    EXPECT_FALSE(frmPopup::IsLoaded());
    fake.cursor = {500, 500};
    fake.Advance(500);
    fake.cursor = {150, 60};
    fake.Advance(1500);
    EXPECT_TRUE(PopupShown());
}

TEST_F(Clock, NoPopupWhileTheCalendarIsOpen) {
    frmMain::bCalendar = true;
    fake.foreground = Bar().hWnd();  // the follow tick keeps the calendar while the bar is active
    fake.cursor = {150, 60};
    fake.Advance(3000);
    EXPECT_FALSE(frmPopup::IsLoaded());
}

TEST_F(Clock, RecreatesTheCalendarRestartsFollowingAndCancelsATriggerArmedMeanwhile) {
    frmCalendar::Unload();
    Bar().tmrCheck.SetEnabled(false);  // so the clock tick is the one that creates the calendar
    fake.cursor = {150, 60};
    fake.Advance(500);  // arms, then the calendar's creation cancels it
    EXPECT_TRUE(frmCalendar::IsLoaded());
    EXPECT_TRUE(Bar().tmrCheck.Enabled());
    EXPECT_FALSE(Bar().tmrToolTip.Running());
    fake.Advance(3000);
    EXPECT_FALSE(frmPopup::IsLoaded());
}

}  // namespace
