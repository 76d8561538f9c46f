// What shutdown leaves alone and what ends the process; the order of shutdown is checked through the
// menu's Quit (BarInputTest).
#include <gtest/gtest.h>

#include "bar/frmHidden.h"
#include "bar/frmMain.h"
#include "calendar/frmCalendar.h"
#include "core/basMain.h"
#include "support/FakeFixture.h"
#include "sysinfo/frmPopup.h"

namespace {

class Shutdown : public testsupport::FakeFixture {};

TEST_F(Shutdown, CreatesNothingThatWasNeverOpened) {
    frmMain::Get();
    basMain::Shutdown();
    EXPECT_FALSE(frmPopup::IsLoaded());
    EXPECT_FALSE(frmHidden::IsLoaded());
    EXPECT_TRUE(fake.windows.empty());
    EXPECT_EQ(fake.destroyed.size(), 2u);  // the bar and its hidden calendar
}

TEST_F(Shutdown, SystemCloseOfTheBarEndsTheProgramWhenNothingElseIsShown) {
    const platform::WindowHandle bar = frmMain::Get().hWnd();
    fake.Window(bar).listener->OnCloseRequest();
    EXPECT_TRUE(fake.windows.empty());
    EXPECT_EQ(fake.quitRequests, 1);
}

TEST_F(Shutdown, SystemCloseOfTheBarLeavesAShownCalendar) {
    const platform::WindowHandle bar = frmMain::Get().hWnd();
    frmCalendar::Get().Show();
    fake.Window(bar).listener->OnCloseRequest();
    EXPECT_FALSE(frmMain::IsLoaded());
    EXPECT_TRUE(frmCalendar::IsLoaded());
    EXPECT_EQ(fake.quitRequests, 0);
}

}  // namespace
