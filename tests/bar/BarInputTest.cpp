// The mouse and keys on the bar: drag, the right-click menu and its items, the calendar toggle.
#include <gtest/gtest.h>

#include "about/frmAbout.h"
#include "bar/frmHidden.h"
#include "bar/frmMain.h"
#include "calendar/frmCalendar.h"
#include "core/SharedState.h"
#include "support/FakeFixture.h"
#include "sysinfo/frmPopup.h"

namespace {

using platform::PixelRect;

constexpr int kLeft = 1, kRight = 2;
constexpr int kShift = 1, kCtrl = 2, kAlt = 4;
// A point on the clock and one on the CPU cell, in client pixels.
constexpr int kClockX = 180, kCpuX = 20, kY = 5;

class BarInput : public testsupport::FakeFixture {
protected:
    BarInput() : bar(frmMain::Get()) {}
    platform::WindowListener& Events() { return *fake.Window(bar.hWnd()).listener; }
    void Press(int buttons, int shift, int x = kCpuX) { Events().OnMouseDown({buttons, shift, x, kY}); }
    void MoveMouse(int buttons, int shift, int x = kCpuX) { Events().OnMouseMove({buttons, shift, x, kY}); }
    void DoubleClickClock() { Events().OnDoubleClick({0, 0, kClockX, kY}); }
    PixelRect CalendarRect() { return fake.Window(frmCalendar::Get().hWnd()).rect; }

    frmMain& bar;
};

TEST_F(BarInput, RightButtonAloneOpensTheMenuWhateverTheModifiers) {
    fake.cursor = {400, 300};
    Press(kRight, kShift);
    ASSERT_EQ(fake.menus.size(), 1u);
    const platform::fake::RecordedMenu& menu = fake.menus[0];
    EXPECT_EQ(menu.captions,
              (std::vector<std::string>{"情報更新(&R)", "-", "設定(&S)", "バージョン情報(&A)", "終了(&Q)"}));
    EXPECT_EQ(menu.at, (platform::PixelPoint{400, 300}));
    ASSERT_TRUE(frmHidden::IsLoaded());
    EXPECT_EQ(std::pair(menu.owner, frmHidden::Get().Visible()), std::pair(frmHidden::Get().hWnd(), false));
    EXPECT_EQ(fake.activations, (std::vector<platform::WindowHandle>{bar.hWnd()}));

    Press(kLeft | kRight, 0);
    Press(kLeft, 0);
    Press(4, 0);
    EXPECT_EQ(fake.menus.size(), 1u);
}

TEST_F(BarInput, NoPopupUnderTheMenuUntilTheCursorHasLeftTheBar) {
    fake.PointTo({100, 10});  // on the bar, which sits at the top-left corner
    fake.duringMenu = [&] { fake.Advance(3000); };
    Press(kRight, 0);
    EXPECT_FALSE(frmPopup::IsLoaded());
    fake.PointTo({600, 400});
    fake.Advance(500);
    fake.PointTo({100, 10});
    fake.Advance(2000);
    EXPECT_TRUE(frmPopup::IsLoaded());
}

TEST_F(BarInput, QuitClosesEveryWindowInOrderAndEndsTheLoop) {
    const platform::WindowHandle calendar = frmCalendar::Get().hWnd();
    const platform::WindowHandle main = bar.hWnd();
    platform::WindowHandle popup = 0;
    fake.menuChoice = 3;  // the about dialog, open when Quit comes
    Press(kRight, 0, kClockX);
    const platform::WindowHandle about = frmAbout::Get().hWnd();
    fake.duringMenu = [&] { popup = frmPopup::Get().hWnd(); };  // the popup's timer fired meanwhile
    fake.menuChoice = 4;
    Press(kRight, 0, kClockX);
    const platform::WindowHandle hidden = fake.menus.at(0).owner;
    EXPECT_EQ(fake.destroyed, (std::vector<platform::WindowHandle>{calendar, main, about, popup, hidden}));
    EXPECT_GE(fake.quitRequests, 1);
    EXPECT_TRUE(fake.windows.empty());
}

TEST_F(BarInput, LeftButtonWithoutModifiersDragsClosesThePopupAndCarriesTheCalendar) {
    struct Move {
        int buttons, shift;
        bool drags;
    };
    const Move moves[] = {{0, 0, false},      {kLeft, kCtrl, false}, {kLeft, kShift, false},   {kLeft, kAlt, false},
                          {kRight, 0, false}, {kLeft, 0, true},      {kLeft | kRight, 0, true}};
    for (const Move& m : moves) {
        fake.drags.clear();
        bar.tmrToolTip.SetInterval(1000);
        bar.tmrToolTip.SetEnabled(true);
        frmPopup::Get();
        MoveMouse(m.buttons, m.shift);
        EXPECT_EQ(fake.drags.size(), m.drags ? 1u : 0u) << m.buttons << "/" << m.shift;
        EXPECT_EQ(frmPopup::IsLoaded(), !m.drags);
        EXPECT_EQ(bar.tmrToolTip.Running(), !m.drags);
    }
    EXPECT_EQ(fake.drags.back(), bar.hWnd());
    EXPECT_GE(fake.captureReleases, 1);

    // An open calendar follows the drag.
    DoubleClickClock();
    fake.duringDrag = [&] { fake.MoveWindow(bar.hWnd(), 500, 40); };
    MoveMouse(kLeft, 0);
    EXPECT_EQ(CalendarRect(), (PixelRect{592, 60, 732, 198}));
    EXPECT_TRUE(frmCalendar::Get().Visible());
}

TEST_F(BarInput, DoubleClickOrEnterOpensThenClosesTheCalendar) {
    fake.MoveWindow(bar.hWnd(), 300, 200);
    DoubleClickClock();
    EXPECT_TRUE(SharedState::bCalendar);
    ASSERT_TRUE(frmCalendar::Get().Visible());
    EXPECT_EQ(CalendarRect(), (PixelRect{392, 220, 532, 358}));
    DoubleClickClock();
    EXPECT_FALSE(SharedState::bCalendar);
    EXPECT_FALSE(frmCalendar::IsLoaded());

    Events().OnKeyUp(13, 0);
    EXPECT_TRUE(SharedState::bCalendar);
    EXPECT_TRUE(frmCalendar::Get().Visible());
    bar.Call_Form_KeyUp(13, 0);  // the popup passes its keys on this way
    EXPECT_FALSE(SharedState::bCalendar);
    Events().OnKeyUp(65, 0);  // other keys only reach the calendar, created hidden
    EXPECT_FALSE(SharedState::bCalendar);
    EXPECT_TRUE(frmCalendar::IsLoaded());
    EXPECT_FALSE(frmCalendar::Get().Visible());
}

TEST_F(BarInput, TheCalendarOpensAboveABarNearTheBottomAndStaysInTheWorkArea) {
    // Bar bottom 7 pixels (105 twips) above the bottom of the 768-pixel screen.
    fake.MoveWindow(bar.hWnd(), 0, 741);
    DoubleClickClock();
    EXPECT_EQ(CalendarRect(), (PixelRect{92, 741 - 138, 232, 741}));

    fake.metrics[platform::Metric::ScreenHeight] = 2000;
    fake.MoveWindow(bar.hWnd(), 0, 741);
    bar.PlaceCalendar();
    EXPECT_EQ(CalendarRect(), (PixelRect{92, 761, 232, 899}));

    // A calendar wider than the bar at the screen's left edge starts on that edge, not left of it.
    fake.Window(frmCalendar::Get().hWnd()).rect = {0, 0, 300, 138};
    bar.PlaceCalendar();
    EXPECT_EQ(CalendarRect().left, 0);

    // A panel along the bottom of the monitor counts as its end; one along the top is never covered.
    fake.monitors = {{0, 0, 1024, 768}};
    fake.workAreas = {{0, 32, 1024, 700}};
    fake.MoveWindow(bar.hWnd(), 400, 600);
    bar.PlaceCalendar();
    EXPECT_EQ(CalendarRect().top, 600 - 138);
    fake.MoveWindow(bar.hWnd(), 400, 100);
    fake.Window(frmCalendar::Get().hWnd()).rect = {0, 0, 300, 700};
    bar.PlaceCalendar();
    EXPECT_EQ(CalendarRect().top, 32);
}

}  // namespace
