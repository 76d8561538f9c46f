// The layout at other display resolutions: the same twips, more pixels, and everything that converts
// (window sizes, labels, meter widths, the follow offsets) scaled alike.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "bar/frmMain.h"
#include "calendar/frmCalendar.h"
#include "support/FakeFixture.h"

namespace {

using platform::PixelRect;

constexpr platform::WindowHandle kEditor = 0x9000;
constexpr int kClockTip = 7;  // lblTime's place in the bar's z-order, bottom-most first
constexpr std::uint32_t kSizable =
    platform::kStyleMinimizeBox | platform::kStyleMaximizeBox | platform::kStyleThickFrame;

struct Scale {
    int dpi;
    int barWidth, barHeight;
    PixelRect clock;                    // lblTime
    int fullMeter;                      // lblBarBatt at 100 %
    int calendarWidth, calendarHeight;  // client area
    PixelRect onWindow;                 // the bar riding on a normal window (0, 50)-(1000, 600), its
                                        // caption bar wider than twice the bar at every resolution; a
                                        // bar taller than the 18-pixel caption hangs from its top
    int maximisedLeft;                  // the bar's left on a maximised window, 1024-pixel screen
    int captionDrop;                    // the calendar's "<" caption below its button's top, centred
};

const Scale kScales[] = {
    {96, 232, 20, {133, 0, 232, 20}, 67, 138, 136, {711, 52, 943, 72}, 717, 2},
    {120, 290, 25, {167, 0, 291, 25}, 83, 173, 170, {652, 54, 942, 79}, 641, 3},
    {144, 348, 30, {200, 0, 349, 30}, 100, 207, 204, {593, 54, 941, 84}, 564, 4},
    {192, 464, 40, {267, 0, 465, 40}, 133, 276, 272, {475, 54, 939, 94}, 411, 5},
};

class DisplayScaling : public testsupport::FakeFixture {
protected:
    PixelRect Rect(const forms::Form& f) { return fake.Window(f.hWnd()).rect; }
    void ActivateEditor(std::int32_t showCmd, PixelRect rect) {
        fake.foreign[kEditor] = platform::fake::ForeignWindow{kSizable, 0, {showCmd, rect}, rect};
        fake.foreground = kEditor;
    }
    void UnloadAll() {
        forms::registry::UnloadAll();
        fake.RunPosted();
    }
};

TEST_F(DisplayScaling, BarCalendarAndFollowingScaleTogether) {
    fake.power = {1, 100};  // mains: the power bar is full
    for (const Scale& s : kScales) {
        SCOPED_TRACE(s.dpi);
        fake.dpi = s.dpi;
        ActivateEditor(platform::kShowNormal, {0, 50, 1000, 600});
        frmMain& bar = frmMain::Get();
        EXPECT_EQ(std::tuple(Rect(bar), Rect(bar).Width(), Rect(bar).Height()),
                  std::tuple(s.onWindow, s.barWidth, s.barHeight));
        EXPECT_EQ(std::pair(bar.lblTime.PixelBounds(), bar.lblBarBatt.PixelBounds().Width()),
                  std::pair(s.clock, s.fullMeter));

        bar.ShowCalendar();
        const forms::Form& calendar = frmCalendar::Get();
        const platform::WindowSpec& layout = fake.Window(calendar.hWnd()).layout;
        EXPECT_EQ(std::tuple(layout.clientWidth, layout.clientHeight, Rect(calendar).right, Rect(calendar).top),
                  std::tuple(s.calendarWidth, s.calendarHeight, Rect(bar).right, Rect(bar).bottom));
        const auto ops = fake.Paint(calendar.hWnd());
        const auto caption = std::find_if(ops.begin(), ops.end(), [](const auto& op) { return op.text == "<"; });
        ASSERT_NE(caption, ops.end());
        EXPECT_EQ(caption->rect.top - frmCalendar::Get().btnLeft.PixelBounds().top, s.captionDrop);

        ActivateEditor(platform::kShowMaximized, {-4, -4, 1028, 740});
        bar.CallCheck_Timer();
        // The caption bar (18 pixels) is lower than the bar: on its top.
        EXPECT_EQ(std::pair(Rect(bar).left, Rect(bar).top), std::pair(s.maximisedLeft, 0));
        UnloadAll();
    }
}

// A window moved onto a monitor of another scale: every open form takes its new size where it
// stands, its tooltips their new regions, and all of it is repainted.
TEST_F(DisplayScaling, AChangeOfResolutionRelaysOutOpenForms) {
    frmMain& bar = frmMain::Get();
    bar.ShowCalendar();
    fake.MoveWindow(bar.hWnd(), 300, 200);
    const int paintsBefore = fake.Window(bar.hWnd()).invalidations;
    for (const Scale& s : kScales) {
        SCOPED_TRACE(s.dpi);
        fake.ChangeDpi(s.dpi);
        EXPECT_EQ(Rect(bar), (PixelRect{300, 200, 300 + s.barWidth, 200 + s.barHeight}));
        EXPECT_EQ(fake.Window(frmCalendar::Get().hWnd()).layout.clientWidth, s.calendarWidth);
        const auto& tips = fake.Window(bar.hWnd()).toolTips;
        ASSERT_EQ(tips.count(kClockTip), 1u);
        EXPECT_EQ(tips.at(kClockTip).first, s.clock);
    }
    EXPECT_GT(fake.Window(bar.hWnd()).invalidations, paintsBefore);
}

}  // namespace
