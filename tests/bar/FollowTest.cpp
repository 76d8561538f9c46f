// The bar riding on the active window's caption bar, and the calendar hidden or carried along.
#include <gtest/gtest.h>

#include <functional>

#include "bar/frmMain.h"
#include "calendar/frmCalendar.h"
#include "core/SharedState.h"
#include "support/FakeFixture.h"
#include "sysinfo/frmPopup.h"

namespace {

using platform::PixelRect;
using platform::fake::ForeignWindow;

constexpr platform::WindowHandle kEditor = 0x9000;
constexpr std::uint32_t kBoxes = platform::kStyleMinimizeBox | platform::kStyleMaximizeBox;
constexpr std::uint32_t kSizable = kBoxes | platform::kStyleThickFrame;

class Follow : public testsupport::FakeFixture {
protected:
    // A window of another program, made the active one.
    void Activate(std::uint32_t style, std::int32_t showCmd, PixelRect rect, std::uint32_t exStyle = 0) {
        fake.foreign[kEditor] = ForeignWindow{style, exStyle, {showCmd, rect}, rect};
        fake.foreground = kEditor;
    }
    frmMain& StartBar() {
        frmMain& bar = frmMain::Get();
        fake.MoveWindow(bar.hWnd(), 5, 6);
        return bar;
    }
    PixelRect BarRect() { return fake.Window(frmMain::Get().hWnd()).rect; }
    static PixelRect BarAt(forms::Twips left, forms::Twips top) {
        const int l = forms::ToPixels(left), t = forms::ToPixels(top);
        return {l, t, l + 232, t + 20};
    }
};

// Where one follow tick puts the bar (at 5,6 before), for the active window and what the desktop
// reports of it: its monitors and work areas, the title-bar buttons' width, or the whole title bar.
struct Case {
    const char* what;
    std::uint32_t style;
    std::uint32_t exStyle;
    std::int32_t showCmd;
    PixelRect window;
    PixelRect bar;  // where the bar ends up
    std::vector<PixelRect> monitors = {};
    std::optional<int> buttons = {};
    std::optional<platform::CaptionGeometry> caption = {};  // its window is the row's window
    std::vector<PixelRect> workAreas = {};
};

TEST_F(Follow, PlacesTheBarOnTheCaptionBarOrLeavesIt) {
    using platform::kExStyleToolWindow;
    using platform::kShowMaximized;
    using platform::kShowNormal;
    const PixelRect unmoved{5, 6, 237, 26}, wide{100, 50, 900, 600};
    // Two monitors side by side (1024 and 1280 wide) or one above the other.
    const std::vector<PixelRect> sideBySide = {{0, 0, 1024, 768}, {1024, 0, 2304, 800}};
    const std::vector<PixelRect> stacked = {{0, 0, 1024, 768}, {0, 768, 1024, 1536}};
    // Title bars as the Linux desktops draw them, on a 1280x800 monitor (GNOME's top panel: 32 pixels).
    const PixelRect screen{0, 0, 1280, 800}, underPanel{0, 32, 1280, 800};
    const auto barAt = [](int left, int top) { return PixelRect{left, top, left + 232, top + 20}; };
    const auto title = [](PixelRect window, PixelRect titleBar, std::optional<int> buttons, bool headerBar) {
        return platform::CaptionGeometry{window, titleBar, buttons, headerBar, {}, {}};
    };
    const PixelRect gtk{240, 76, 1040, 723}, topOfWorkArea{0, 32, 800, 679}, kwin{200, 200, 684, 557},
        mutter{200, 200, 684, 553}, underTop{100, 10, 900, 600}, pastRight{900, 100, 1700, 600};
    // clang-format off
    const Case cases[] = {
        // Sizing frame 4, caption 19, border 1: caption rect (4, 4, 796, 22).
        {"normal window", kSizable, 0, kShowNormal, wide, BarAt(9160, 780)},
        {"caption bar too narrow", kSizable, 0, kShowNormal, {100, 50, 550, 600}, unmoved},
        // The caption ends 2 pixels short of the bar's height: the bar is kept on the screen.
        {"maximised on 1024 pixels", kSizable, 0, kShowMaximized, {-4, -4, 1028, 740}, BarAt(10760, 0)},
        // Caption (4, 4, 796, 18), lower than the bar: the bar hangs from its top, not above the window.
        {"tool window: small caption 15", kSizable, kExStyleToolWindow, kShowNormal, wide, BarAt(9340, 810)},
        {"fixed frame 3, minimise box only", platform::kStyleMinimizeBox, 0, kShowNormal, wide, BarAt(9160, 765)},
        {"no caption buttons (a dialog)", platform::kStyleThickFrame, 0, kShowNormal, wide, unmoved},
        {"minimised", kSizable, 0, platform::kShowMinimized, wide, unmoved},
        {"no active window", 0, 0, kShowNormal, {}, unmoved},
        // Measured on the window's own monitor, and from buttons whose width the system knows.
        {"maximised on the primary", kSizable, 0, kShowMaximized, {-4, -4, 1028, 772}, BarAt(10760, 0), sideBySide},
        {"maximised on the right", kSizable, 0, kShowMaximized, {1020, -4, 2308, 804}, BarAt(29960, 0), sideBySide},
        {"maximised on the lower", kSizable, 0, kShowMaximized, {-4, 764, 1028, 1540}, BarAt(10760, 11520), stacked},
        {"normal, buttons known", kSizable, 0, kShowNormal, wide, BarAt(8470, 780), {}, 100},
        {"maximised on the right, buttons reaching past the 4600 twips", kSizable, 0, kShowMaximized,
         {1020, -4, 2308, 804}, BarAt(29380, 0), sideBySide, 110},
        {"maximised on the right, buttons within the 4600 twips", kSizable, 0, kShowMaximized,
         {1020, -4, 2308, 804}, BarAt(29960, 0), sideBySide, 48},
        // Clear of every button and inside the work area. gtk3-demo's client 214,53 852x699 less its
        // shadow (_GTK_FRAME_EXTENTS 26,26,23,29).
        {"header bar: on the window's top edge, outside it", kSizable, 0, kShowNormal, gtk, barAt(808, 56),
         {screen}, {}, title(gtk, {240, 76, 1040, 76}, {}, true), {underPanel}},
        // No room above: the bar stays where it was, only moved off the panel.
        {"header bar at the top of the work area: no room above", kSizable, 0, kShowNormal, topOfWorkArea,
         barAt(5, 32), {screen}, {}, title(topOfWorkArea, {0, 32, 800, 32}, {}, true), {underPanel}},
        {"header bar maximised", kSizable, 0, kShowMaximized, underPanel, barAt(5, 32),
         {screen}, {}, title(underPanel, {0, 32, 1280, 32}, {}, true), {underPanel}},
        {"KWin: title bar 41, buttons 101", kSizable, 0, kShowNormal, kwin, barAt(348, 221),
         {screen}, {}, title(kwin, {200, 200, 684, 241}, 101, false), {screen}},
        {"KWin maximised: the buttons reach past the 4600 twips", kSizable, 0, kShowMaximized, screen, barAt(944, 21),
         {screen}, {}, title(screen, {0, 0, 1280, 41}, 101, false), {screen}},
        {"openbox maximised: 4600 twips from the edge, top on the 19-pixel title bar's top", kSizable, 0,
         kShowMaximized, screen, barAt(973, 0), {screen}, {}, title(screen, {0, 0, 1280, 19}, 48, false), {screen}},
        {"Mutter: title bar 37, close button 33", kSizable, 0, kShowNormal, mutter, barAt(416, 217),
         {screen}, {}, title(mutter, {200, 200, 684, 237}, 33, false), {underPanel}},
        {"title bar under the top panel", kSizable, 0, kShowNormal, underTop, barAt(616, 32),
         {screen}, {}, title(underTop, {101, 11, 899, 40}, 49, false), {underPanel}},
        {"title bar past the right edge", kSizable, 0, kShowNormal, pastRight, barAt(1048, 110),
         {screen}, {}, title(pastRight, {901, 101, 1699, 130}, std::nullopt, false), {screen}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fake.monitors = c.monitors;
        fake.workAreas = c.workAreas;
        StartBar();
        Activate(c.style, c.showCmd, c.window, c.exStyle);
        if (c.style == 0)
            fake.foreground = 0;  // nothing is active
        fake.captionButtons.clear();
        if (c.buttons)
            fake.captionButtons[kEditor] = *c.buttons;
        fake.titleBars.clear();
        if (c.caption)
            fake.titleBars[kEditor] = *c.caption;
        const int rounds = fake.windowFactRounds;
        frmMain::Get().CallCheck_Timer();
        EXPECT_EQ(BarRect(), c.bar);
        EXPECT_TRUE(fake.Window(frmMain::Get().hWnd()).visible);
        // The tick reads the window's facts in one round, closed again.
        EXPECT_EQ(fake.windowFactRounds, rounds + 1);
        EXPECT_EQ(fake.openWindowFactRounds, 0);
    }
}

// Openbox does not scale its theme with Xft.dpi: at 192 dpi its 19-pixel title bar is lower than the
// 40-pixel bar, whose top goes on the title bar's top. A change of resolution places the bar again.
TEST_F(Follow, ATallerBarHangsFromTheTitleBarsTopAndANewResolutionPlacesItAgain) {
    const PixelRect screen{0, 0, 1280, 800};
    fake.monitors = {screen};
    fake.foreign[kEditor] = ForeignWindow{kSizable, 0, {platform::kShowMaximized, screen}, screen};
    fake.titleBars[kEditor] = {screen, {0, 0, 1280, 19}, 48, false, {}, {}};
    fake.foreground = kEditor;
    frmMain::Get();
    EXPECT_EQ(BarRect(), (PixelRect{973, 0, 1205, 20}));
    fake.ChangeDpi(192);
    fake.RunPosted();
    EXPECT_EQ(BarRect(), (PixelRect{667, 0, 1131, 40}));  // 4600 twips at 192 dpi: 613 pixels
}

// Windows Vista and later with composition on: the desktop window manager's visible frame and
// caption buttons. Windows 10 and 11 keep 7 invisible pixels (at 96 dpi) of resize border inside
// the window rectangle at the left, right and bottom, and draw buttons 46 pixels wide each (69 at
// 144 dpi). Whatever cannot be used leaves the classic reckoning's result exactly (the metrics of
// XP: sizing frame 4, caption 19, border 1).
TEST_F(Follow, RidesTheFrameAndButtonsTheCompositorDraws) {
    using platform::kShowMaximized;
    using platform::kShowNormal;
    using Twips = std::pair<forms::Twips, forms::Twips>;
    using Answers = platform::CompositorAnswers;
    const PixelRect wide{100, 50, 900, 600};
    struct Row {
        const char* what;
        int dpi;
        std::int32_t showCmd;
        Answers answers;  // its window is the active one
        Twips bar;        // left and top
    };
    const Row rows[] = {
        // clang-format off
        // Buttons 655..793 from the window's left: the bar ends 50 twips short of 755 px, and its
        // bottom lies on the buttons' bottom, 31 px below the window's top.
        {"Windows 10, 96 dpi", 96, kShowNormal,
         {true, wide, PixelRect{107, 50, 893, 593}, PixelRect{655, 1, 793, 31}}, {7795, 915}},
        {"Windows 10, 144 dpi: inset 11, buttons 69 each", 144, kShowNormal,
         {true, {150, 75, 1350, 900}, PixelRect{161, 75, 1339, 889}, PixelRect{982, 1, 1189, 46}}, {7790, 910}},
        {"Windows 11, 96 dpi", 96, kShowNormal,
         {true, {200, 100, 1000, 700}, PixelRect{207, 100, 993, 693}, PixelRect{655, 0, 793, 32}}, {9295, 1680}},
        // Maximised: left of the buttons, which reach further in than the fixed 4600 twips allow for.
        {"Windows 10 maximised on 1024 x 768 above a taskbar", 96, kShowMaximized,
         {true, {-8, -8, 1032, 736}, PixelRect{0, 0, 1024, 728}, PixelRect{894, 8, 1032, 30}}, {9760, 30}},
        {"maximised beside a taskbar 40 px wide on the right", 96, kShowMaximized,
         {true, {-8, -8, 992, 776}, PixelRect{0, 0, 984, 768}, PixelRect{854, 8, 992, 30}}, {9160, 30}},
        // clang-format on
    };
    // Where the bar lands for the row's window with these answers, and where it should, in pixels
    // at the row's resolution.
    const auto ride = [&](const Row& r, const std::optional<Answers>& answers, Twips expected) {
        fake.ChangeDpi(r.dpi);
        // At 150 % a 1920 x 1080 screen, which the 144-dpi window fits on; else 1024 x 768.
        fake.monitors = {r.dpi == 144 ? PixelRect{0, 0, 1920, 1080} : PixelRect{0, 0, 1024, 768}};
        StartBar();
        Activate(kSizable, r.showCmd, r.answers.window);
        fake.compositor.clear();
        if (answers)
            fake.compositor[kEditor] = *answers;
        frmMain::Get().CallCheck_Timer();
        EXPECT_EQ(std::pair(BarRect().left, BarRect().top),
                  std::pair(forms::ToPixels(expected.first), forms::ToPixels(expected.second)));
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        ride(r, r.answers, r.bar);
    }
    // Whatever cannot be used leaves the classic reckoning's result exactly.
    const struct {
        const char* what;
        std::function<void(std::optional<Answers>&)> change;
    } unusable[] = {
        {"XP: no compositor", [](auto& a) { a.reset(); }},
        {"composition off", [](auto& a) { a->composing = false; }},
        {"the frame call failed", [](auto& a) { a->frameBounds.reset(); }},
        {"the buttons call failed", [](auto& a) { a->buttonBounds.reset(); }},
        {"no buttons: an empty rectangle", [](auto& a) { a->buttonBounds = PixelRect{}; }},
        {"an empty frame",
         [](auto& a) {
             a->frameBounds = PixelRect{893, 50, 107, 593};
         }},
        {"buttons beyond the frame", [](auto& a) { a->buttonBounds->right = 2147483647; }},
    };
    for (const auto& u : unusable) {
        SCOPED_TRACE(u.what);
        std::optional<Answers> answers = rows[0].answers;
        u.change(answers);
        ride(rows[0], answers, {9160, 780});
    }
}

// The next tick catching up with a moved window: Bar.TimersTickWhileAStartUpWarningIsOpen.
TEST_F(Follow, StopsWithActiveWindowOne) {
    Activate(kSizable, platform::kShowNormal, {200, 150, 1000, 700});
    WriteSettings("[Setting]\nActiveWindow=1\n");
    frmMain& bar = frmMain::Get();  // placed and shown once on the window active at start-up
    EXPECT_EQ(BarRect(), BarAt(10660, 2280));
    EXPECT_TRUE(fake.Window(bar.hWnd()).visible);
    Activate(kSizable, platform::kShowNormal, {100, 50, 900, 600});
    fake.Advance(5000);  // the clock tick leaves the follow timer stopped
    EXPECT_EQ(BarRect(), BarAt(10660, 2280));
    EXPECT_FALSE(bar.tmrCheck.Running());
}

TEST_F(Follow, AnotherWindowHidesTheCalendarAndOursKeepItUnderTheBar) {
    frmMain& bar = StartBar();
    bar.ShowCalendar();
    frmCalendar& calendar = frmCalendar::Get();

    for (platform::WindowHandle ours : {bar.hWnd(), calendar.hWnd()}) {
        fake.foreground = ours;
        fake.MoveWindow(bar.hWnd(), 300, 200);
        bar.CallCheck_Timer();
        EXPECT_TRUE(SharedState::bCalendar);
        EXPECT_TRUE(calendar.Visible());
        // Right edges aligned, directly under the bar.
        EXPECT_EQ(fake.Window(calendar.hWnd()).rect, (PixelRect{300 + 232 - 140, 220, 532, 220 + 138}));
    }

    // Room below is measured on the bar's monitor, not on the primary one.
    fake.monitors = {{0, 0, 1024, 768}, {0, 768, 1024, 1536}};
    for (const auto& [barTop, calendarTop] :
         {std::pair{1000, 1020}, std::pair{1400, 1400 - 138}, std::pair{650, 512}}) {
        fake.MoveWindow(bar.hWnd(), 300, barTop);
        bar.CallCheck_Timer();
        EXPECT_EQ(fake.Window(calendar.hWnd()).rect.top, calendarTop) << barTop;
    }

    Activate(kSizable, platform::kShowNormal, {100, 50, 900, 600});
    bar.CallCheck_Timer();
    EXPECT_FALSE(SharedState::bCalendar);
    ASSERT_TRUE(frmCalendar::IsLoaded());
    EXPECT_FALSE(calendar.Visible());
}

// Which windows count as full-screen, on two monitors side by side; the bar starts on the left one.
TEST_F(Follow, HidesOnlyForAFullScreenWindowOnItsOwnMonitor) {
    enum Bar { Hidden, Stays, Rides };
    const PixelRect left{0, 0, 1024, 768}, right{1024, 0, 2048, 768};
    struct Row {
        const char* what;
        PixelRect window;
        bool declared;
        bool framed;
        bool desktop;
        Bar bar;
        const char* settings = "";
    };
    const Row rows[] = {
        {"declared full-screen", left, true, false, false, Hidden},
        {"declared, though framed and smaller", {100, 50, 900, 600}, true, true, false, Hidden},
        {"borderless over its whole monitor", left, false, false, false, Hidden},
        {"borderless, larger than its monitor", {-8, -8, 1032, 776}, false, false, false, Hidden},
        {"full-screen on the other monitor", right, true, false, false, Stays},
        {"borderless over the other monitor", right, false, false, false, Stays},
        {"title bar over the whole monitor", {-8, -8, 1032, 776}, false, true, false, Rides},
        {"borderless, a pixel short", {0, 0, 1024, 767}, false, false, false, Rides},
        {"the desktop", left, false, false, true, Rides},
        {"the desktop, declared", left, true, false, true, Rides},
        {"hiding switched off", left, true, false, false, Rides, "[Setting]\nHideOnFullScreen=0\n"},
        // Placed once, nothing would show it again.
        {"following switched off", left, true, false, false, Rides, "[Setting]\nActiveWindow=1\n"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        WriteSettings(r.settings);
        fake.monitors = {left, right};
        frmMain& bar = StartBar();
        Activate(kSizable, platform::kShowNormal, r.window);
        ForeignWindow& window = fake.foreign[kEditor];
        window.fullScreen = r.declared;
        window.framed = r.framed;
        window.desktop = r.desktop;
        bar.CallCheck_Timer();
        EXPECT_EQ(bar.Visible(), r.bar != Hidden);
        EXPECT_EQ(BarRect() == (PixelRect{5, 6, 237, 26}), r.bar != Rides);
        EXPECT_TRUE(r.bar != Hidden || bar.tmrCheck.Running());
        frmMain::Unload();
        fake.RunPosted();
    }
}

// The popup goes with the bar, and a pointer resting where the bar was opens none. (The bar's return,
// back to normal, another window activated or the full-screen one closed, is fullscreen_smoke.sh's.)
TEST_F(Follow, AFullScreenWindowHidesThePopupWithTheBar) {
    frmMain& bar = StartBar();
    fake.PointTo({100, 10});  // resting on the bar opens the popup
    fake.Advance(1500);
    ASSERT_TRUE(frmPopup::IsLoaded());
    Activate(kSizable, platform::kShowNormal, {0, 0, 1024, 768});
    fake.foreign[kEditor].fullScreen = true;
    fake.Advance(500);  // one follow interval
    EXPECT_FALSE(bar.Visible());
    EXPECT_FALSE(frmPopup::IsLoaded());
    fake.Advance(3000);
    EXPECT_FALSE(frmPopup::IsLoaded());
}

}  // namespace
