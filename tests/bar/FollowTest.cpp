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

struct Case {
    const char* what;
    std::uint32_t style;
    std::uint32_t exStyle;
    std::int32_t showCmd;
    PixelRect window;
    PixelRect bar;  // where the bar ends up
};

TEST_F(Follow, PlacesTheBarOnTheCaptionBarOrLeavesIt) {
    using platform::kShowNormal;
    const PixelRect unmoved{5, 6, 237, 26}, wide{100, 50, 900, 600};
    const Case cases[] = {
        // Sizing frame 4, caption 19, border 1: caption rect (4, 4, 796, 22).
        {"normal window", kSizable, 0, kShowNormal, wide, BarAt(9160, 780)},
        {"caption bar too narrow", kSizable, 0, kShowNormal, {100, 50, 550, 600}, unmoved},
        // The caption ends 2 pixels short of the bar's height: the bar is kept on the screen.
        {"maximised on 1024 pixels", kSizable, 0, platform::kShowMaximized, {-4, -4, 1028, 740}, BarAt(10760, 0)},
        // Caption (4, 4, 796, 18), lower than the bar: the bar hangs from its top, not above the window.
        {"tool window: small caption 15", kSizable, platform::kExStyleToolWindow, kShowNormal, wide, BarAt(9340, 810)},
        {"fixed frame 3, minimise box only", platform::kStyleMinimizeBox, 0, kShowNormal, wide, BarAt(9160, 765)},
        {"no caption buttons (a dialog)", platform::kStyleThickFrame, 0, kShowNormal, wide, unmoved},
        {"minimised", kSizable, 0, platform::kShowMinimized, wide, unmoved},
        {"no active window", 0, 0, kShowNormal, {}, unmoved},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        StartBar();
        Activate(c.style, c.showCmd, c.window, c.exStyle);
        if (c.style == 0)
            fake.foreground = 0;  // the last row: nothing is active
        const int rounds = fake.windowFactRounds;
        frmMain::Get().CallCheck_Timer();
        EXPECT_EQ(BarRect(), c.bar);
        EXPECT_TRUE(fake.Window(frmMain::Get().hWnd()).visible);
        // The tick reads the window's facts in one round, closed again.
        EXPECT_EQ(fake.windowFactRounds, rounds + 1);
        EXPECT_EQ(fake.openWindowFactRounds, 0);
    }
}

// Two monitors side by side (1024 and 1280 wide) or one above the other, and title-bar buttons
// whose width the system knows.
TEST_F(Follow, MeasuresOnTheWindowsMonitorAndFromKnownButtons) {
    using platform::kShowMaximized;
    const std::vector<PixelRect> sideBySide = {{0, 0, 1024, 768}, {1024, 0, 2304, 800}};
    const std::vector<PixelRect> stacked = {{0, 0, 1024, 768}, {0, 768, 1024, 1536}};
    struct Row {
        const char* what;
        std::vector<PixelRect> monitors;
        std::int32_t showCmd;
        PixelRect window;
        std::optional<int> buttons;
        PixelRect bar;
    };
    const Row rows[] = {
        {"maximised on the primary", sideBySide, kShowMaximized, {-4, -4, 1028, 772}, {}, BarAt(10760, 0)},
        {"maximised on the right", sideBySide, kShowMaximized, {1020, -4, 2308, 804}, {}, BarAt(29960, 0)},
        {"maximised on the lower", stacked, kShowMaximized, {-4, 764, 1028, 1540}, {}, BarAt(10760, 11520)},
        {"normal, buttons known", {}, platform::kShowNormal, {100, 50, 900, 600}, 100, BarAt(8470, 780)},
        {"maximised on the right, buttons reaching past the 4600 twips",
         sideBySide,
         kShowMaximized,
         {1020, -4, 2308, 804},
         110,
         BarAt(29380, 0)},
        {"maximised on the right, buttons within the 4600 twips",
         sideBySide,
         kShowMaximized,
         {1020, -4, 2308, 804},
         48,
         BarAt(29960, 0)},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        fake.monitors = r.monitors;
        StartBar();
        Activate(kSizable, r.showCmd, r.window);
        fake.captionButtons.clear();
        if (r.buttons)
            fake.captionButtons[kEditor] = *r.buttons;
        frmMain::Get().CallCheck_Timer();
        EXPECT_EQ(BarRect(), r.bar);
    }
}

// Title bars as the Linux desktops draw them, on a 1280x800 monitor (GNOME's top panel: 32 pixels).
TEST_F(Follow, RidesClearOfEveryButtonAndInsideTheWorkArea) {
    using platform::kShowMaximized;
    using platform::kShowNormal;
    const PixelRect screen{0, 0, 1280, 800}, underPanel{0, 32, 1280, 800};
    const auto barAt = [](int left, int top) { return PixelRect{left, top, left + 232, top + 20}; };
    struct Row {
        const char* what;
        std::int32_t showCmd;
        platform::CaptionGeometry caption;  // window, title bar, buttons, header bar
        PixelRect workArea;
        PixelRect bar;
    };
    const Row rows[] = {
        // gtk3-demo's client 214,53 852x699 less its shadow (_GTK_FRAME_EXTENTS 26,26,23,29).
        {"header bar: on the window's top edge, outside it",
         kShowNormal,
         {{240, 76, 1040, 723}, {240, 76, 1040, 76}, {}, true, {}, {}},
         underPanel,
         barAt(808, 56)},
        // No room above: the bar stays where it was (at 5,6), only moved off the panel.
        {"header bar at the top of the work area: no room above",
         kShowNormal,
         {{0, 32, 800, 679}, {0, 32, 800, 32}, {}, true, {}, {}},
         underPanel,
         barAt(5, 32)},
        {"header bar maximised",
         kShowMaximized,
         {underPanel, {0, 32, 1280, 32}, {}, true, {}, {}},
         underPanel,
         barAt(5, 32)},
        {"KWin: title bar 41, buttons 101",
         kShowNormal,
         {{200, 200, 684, 557}, {200, 200, 684, 241}, 101, false, {}, {}},
         screen,
         barAt(348, 221)},
        {"KWin maximised: the buttons reach past the 4600 twips",
         kShowMaximized,
         {screen, {0, 0, 1280, 41}, 101, false, {}, {}},
         screen,
         barAt(944, 21)},
        {"openbox maximised: 4600 twips from the edge, top on the 19-pixel title bar's top",
         kShowMaximized,
         {screen, {0, 0, 1280, 19}, 48, false, {}, {}},
         screen,
         barAt(973, 0)},
        {"Mutter: title bar 37, close button 33",
         kShowNormal,
         {{200, 200, 684, 553}, {200, 200, 684, 237}, 33, false, {}, {}},
         underPanel,
         barAt(416, 217)},
        {"title bar under the top panel",
         kShowNormal,
         {{100, 10, 900, 600}, {101, 11, 899, 40}, 49, false, {}, {}},
         underPanel,
         barAt(616, 32)},
        {"title bar past the right edge",
         kShowNormal,
         {{900, 100, 1700, 600}, {901, 101, 1699, 130}, std::nullopt, false, {}, {}},
         screen,
         barAt(1048, 110)},
    };
    fake.monitors = {screen};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        fake.workAreas = {r.workArea};
        StartBar();
        Activate(kSizable, r.showCmd, r.caption.window);
        fake.titleBars[kEditor] = r.caption;
        frmMain::Get().CallCheck_Timer();
        EXPECT_EQ(BarRect(), r.bar);
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
    const PixelRect wide{100, 50, 900, 600};
    const std::pair<forms::Twips, forms::Twips> reckoned{9160, 780};
    struct Row {
        const char* what;
        int dpi;
        std::int32_t showCmd;
        PixelRect window;
        platform::CompositorAnswers answers;
        std::pair<forms::Twips, forms::Twips> bar;  // left and top
    };
    const Row rows[] = {
        // Buttons 655..793 from the window's left: the bar ends 50 twips short of 755 px, and its
        // bottom lies on the buttons' bottom, 31 px below the window's top.
        {"Windows 10, 96 dpi",
         96,
         kShowNormal,
         wide,
         {true, wide, PixelRect{107, 50, 893, 593}, PixelRect{655, 1, 793, 31}},
         {7795, 915}},
        {"Windows 10, 144 dpi: inset 11, buttons 69 each",
         144,
         kShowNormal,
         {150, 75, 1350, 900},
         {true, {150, 75, 1350, 900}, PixelRect{161, 75, 1339, 889}, PixelRect{982, 1, 1189, 46}},
         {7790, 910}},
        {"Windows 11, 96 dpi",
         96,
         kShowNormal,
         {200, 100, 1000, 700},
         {true, {200, 100, 1000, 700}, PixelRect{207, 100, 993, 693}, PixelRect{655, 0, 793, 32}},
         {9295, 1680}},
        // Maximised: left of the buttons, which reach further in than the fixed 4600 twips allow for.
        {"Windows 10 maximised on 1024 x 768 above a taskbar",
         96,
         kShowMaximized,
         {-8, -8, 1032, 736},
         {true, {-8, -8, 1032, 736}, PixelRect{0, 0, 1024, 728}, PixelRect{894, 8, 1032, 30}},
         {9760, 30}},
        {"maximised beside a taskbar 40 px wide on the right",
         96,
         kShowMaximized,
         {-8, -8, 992, 776},
         {true, {-8, -8, 992, 776}, PixelRect{0, 0, 984, 768}, PixelRect{854, 8, 992, 30}},
         {9160, 30}},
    };
    // Where the bar lands, against where it should, in pixels at the row's resolution.
    auto ridden = [&](int dpi, std::int32_t showCmd, PixelRect window,
                      const std::optional<platform::CompositorAnswers>& answers,
                      std::pair<forms::Twips, forms::Twips> expected) {
        fake.ChangeDpi(dpi);
        // At 150 % a 1920 x 1080 screen, which the 144-dpi window fits on; else 1024 x 768.
        fake.monitors = {dpi == 144 ? PixelRect{0, 0, 1920, 1080} : PixelRect{0, 0, 1024, 768}};
        StartBar();
        Activate(kSizable, showCmd, window);
        fake.compositor.clear();
        if (answers)
            fake.compositor[kEditor] = *answers;
        frmMain::Get().CallCheck_Timer();
        return std::pair(std::pair(BarRect().left, BarRect().top),
                         std::pair(forms::ToPixels(expected.first), forms::ToPixels(expected.second)));
    };
    for (const Row& r : rows) {
        const auto [landed, expected] = ridden(r.dpi, r.showCmd, r.window, r.answers, r.bar);
        EXPECT_EQ(landed, expected) << r.what;
    }

    const platform::CompositorAnswers win10 = rows[0].answers;
    const struct {
        const char* what;
        std::function<void(platform::CompositorAnswers&)> change;
    } unusable[] = {
        {"composition off", [](auto& a) { a.composing = false; }},
        {"the frame call failed", [](auto& a) { a.frameBounds.reset(); }},
        {"the buttons call failed", [](auto& a) { a.buttonBounds.reset(); }},
        {"no buttons: an empty rectangle", [](auto& a) { a.buttonBounds = PixelRect{}; }},
        {"an empty frame",
         [](auto& a) {
             a.frameBounds = PixelRect{893, 50, 107, 593};
         }},
        {"buttons beyond the frame", [](auto& a) { a.buttonBounds->right = 2147483647; }},
    };
    const auto [landed, expected] = ridden(96, kShowNormal, wide, std::nullopt, reckoned);
    EXPECT_EQ(landed, expected) << "XP: no compositor";
    for (const auto& u : unusable) {
        platform::CompositorAnswers answers = win10;
        u.change(answers);
        EXPECT_EQ(ridden(96, kShowNormal, wide, answers, reckoned).first, expected) << u.what;
    }
}

TEST_F(Follow, CatchesUpOnTheNextTickAndStopsWithActiveWindowOne) {
    Activate(kSizable, platform::kShowNormal, {100, 50, 900, 600});
    frmMain::Get();
    EXPECT_EQ(BarRect(), BarAt(9160, 780));
    Activate(kSizable, platform::kShowNormal, {200, 150, 1000, 700});
    fake.Advance(500);
    EXPECT_EQ(BarRect(), BarAt(10660, 2280));

    frmMain::Unload();
    fake.RunPosted();
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

TEST_F(Follow, AFullScreenWindowHidesBarAndPopupUntilItLeavesFullScreenOrTheForeground) {
    constexpr platform::WindowHandle kOther = 0x9100;
    const PixelRect screen{0, 0, 1024, 768}, normal{100, 50, 900, 600};
    frmMain& bar = StartBar();
    fake.PointTo({100, 10});  // resting on the bar opens the popup
    fake.Advance(1500);
    ASSERT_TRUE(frmPopup::IsLoaded());
    const auto goFullScreen = [&] {
        Activate(kSizable, platform::kShowNormal, screen);
        fake.foreign[kEditor].fullScreen = true;
        fake.Advance(500);  // one follow interval
        EXPECT_FALSE(bar.Visible());
        EXPECT_FALSE(frmPopup::IsLoaded());
    };

    goFullScreen();
    fake.Advance(3000);  // the pointer still rests where the bar was: nothing to hover over
    EXPECT_FALSE(frmPopup::IsLoaded());
    EXPECT_FALSE(bar.Visible());
    EXPECT_TRUE(bar.tmrCheck.Running());

    // Back to a normal window: the bar rides on it again.
    Activate(kSizable, platform::kShowNormal, normal);
    fake.Advance(500);
    EXPECT_TRUE(bar.Visible());
    EXPECT_EQ(BarRect(), BarAt(9160, 780));

    // Another window activated, then the full-screen one closed.
    goFullScreen();
    fake.foreign[kOther] = ForeignWindow{kSizable, 0, {platform::kShowNormal, normal}, normal};
    fake.foreground = kOther;
    fake.Advance(500);
    EXPECT_TRUE(bar.Visible());
    goFullScreen();
    fake.foreign.erase(kEditor);
    fake.foreground = 0;
    fake.Advance(500);
    EXPECT_TRUE(bar.Visible());
    EXPECT_EQ(BarRect(), BarAt(9160, 780));
}

}  // namespace
