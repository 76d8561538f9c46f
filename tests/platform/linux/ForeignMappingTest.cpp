// Handles of other programs' windows, the frame metrics that put the bar on a title bar and the
// title-bar buttons of known managers; the lines of a popup menu.
#include <gtest/gtest.h>

#include <climits>

#include "platform/linux/ForeignMapping.h"
#include "platform/linux/PopupMenu.h"
#include "platform/linux/TitleButtons.h"

namespace {

using namespace platform;
using namespace platform::x11;

TEST(ForeignMapping, ForeignHandlesKeepTheXidApartFromOurCounters) {
    const XWindowId xid = 0x1FFFFFFF;  // the largest X id
    EXPECT_EQ(ForeignXid(ForeignHandle(xid)), xid);
    for (const WindowHandle ours : {WindowHandle{0}, WindowHandle{1}, WindowHandle{0xFFFFFF}})
        EXPECT_EQ(ForeignXid(ours), 0UL) << ours;
}

// The program's caption rectangle, relative to the outer top-left, from the metrics it reads.
struct Caption {
    int top;
    int bottom;
};
Caption CaptionFor(const std::optional<FrameExtents>& e, bool thick, bool tool) {
    const PixelPoint screen{1024, 768};
    const int fy = FrameMetric(thick ? Metric::SizingFrameY : Metric::FixedFrameY, e, screen);
    const int caption = FrameMetric(tool ? Metric::SmallCaptionHeight : Metric::CaptionHeight, e, screen);
    return {fy, fy + caption - FrameMetric(Metric::BorderHeight, e, screen)};
}

TEST(ForeignMapping, FrameMetricsPutTheCaptionOnTheTitleBar) {
    const PixelPoint screen{1280, 1024};
    EXPECT_EQ(FrameMetric(Metric::ScreenHeight, FrameExtents{1, 1, 20, 4}, screen), 1024);

    // Whatever style the window has, the caption ends at the bottom of the title bar and is as tall
    // as the title bar above the bottom border.
    const FrameExtents openbox{1, 1, 23, 5};
    for (const bool thick : {false, true}) {
        for (const bool tool : {false, true}) {
            const Caption c = CaptionFor(openbox, thick, tool);
            EXPECT_EQ(c.bottom, 23) << thick << tool;
            EXPECT_EQ(c.bottom - c.top, 18) << thick << tool;
        }
    }
    EXPECT_EQ(FrameMetric(Metric::SizingFrameX, openbox, screen), 1);
    EXPECT_EQ(FrameMetric(Metric::FixedFrameX, FrameExtents{4, 4, 30, 4}, screen), 4);

    // A frame without a title bar (or none at all) gives an empty caption, never a negative one.
    // Nor does any value overflow the caption arithmetic.
    for (const FrameExtents e :
         {FrameExtents{0, 0, 0, 0}, FrameExtents{2, 2, 2, 8}, FrameExtents{-1, 0, -3, 0},
          FrameExtents{INT_MAX, INT_MAX, INT_MAX, INT_MIN}, FrameExtents{INT_MIN, 0, INT_MAX, 0}}) {
        EXPECT_GE(FrameMetric(Metric::CaptionHeight, e, screen), 1);
        const Caption c = CaptionFor(e, true, false);
        EXPECT_GE(c.top, 0);
        EXPECT_GE(c.bottom, c.top);
    }
}

TEST(ForeignMapping, AMaximisedCaptionReachesFromTheMonitorTopToTheDrawnTitleBar) {
    const PixelPoint screen{1280, 800};
    const PixelRect monitor{0, 0, 1280, 800}, lower{0, 800, 1280, 1600};
    const struct {
        const char* what;
        FrameExtents extents;
        PixelRect outer;
        PixelRect monitor;
        int titleBottom;  // in screen pixels
    } cases[] = {
        {"border dropped", {0, 0, 24, 0}, {0, 0, 1280, 800}, monitor, 24},
        {"border kept at the bottom", {0, 0, 19, 3}, {0, 0, 1280, 780}, monitor, 19},
        {"frame above the top", {5, 5, 24, 5}, {-5, -5, 1285, 769}, monitor, 19},
        {"under a 21-pixel panel", {1, 1, 22, 1}, {0, 21, 1278, 790}, monitor, 43},
        {"on the lower monitor", {0, 0, 20, 0}, {0, 800, 1280, 1600}, lower, 820},
    };
    for (const auto& c : cases) {
        const FrameExtents e = MaximizedExtents(c.extents, c.outer, c.monitor);
        const Caption caption = CaptionFor(e, true, false);
        // The program puts the bar's bottom a caption's height below the monitor's top.
        EXPECT_EQ(c.monitor.top + caption.bottom - caption.top, c.titleBottom) << c.what;
        EXPECT_EQ(FrameMetric(Metric::SizingFrameX, e, screen), c.extents.left) << c.what;
    }
}

TEST(TitleButtons, TheUsersSettingThenTheTableByTheWholeNameThenItsFirstWord) {
    const struct {
        const char* manager;
        const char* key;  // the one the user has a setting for
        const char* setting;
        std::optional<TitleButtons> buttons;
    } cases[] = {
        {"Openbox", "", "", TitleButtons{49, 48}},
        {"IceWM 3.3.1 (Linux/x86_64)", "", "", TitleButtons{111, 110}},
        {"  xfwm4", "", "", TitleButtons{97, 92}},
        {"Metacity", "", "", TitleButtons{36, 36}},
        {"Metacity (Marco)", "", "", TitleButtons{60, 57}},
        {"Compiz", "", "", std::nullopt},
        {"", "", "", std::nullopt},
        {"Compiz", "Compiz", "120", TitleButtons{120, 120}},
        {"Metacity (Marco)", "Metacity", " 60 , 58 ", TitleButtons{60, 57}},  // the whole name's entry first
        {"IceWM 3.3.1", "IceWM", "60,wide", TitleButtons{60, 60}},
        {"Openbox", "Openbox", "wide", TitleButtons{49, 48}},
        {"Openbox", "Openbox", "-5", TitleButtons{49, 48}},
        {"Openbox", "Openbox", "99999999999", TitleButtons{49, 48}},
        {"Openbox", "Openbox", "0", TitleButtons{0, 0}},
    };
    for (const auto& c : cases) {
        const auto setting = [&](std::string_view key) { return key == c.key ? std::string(c.setting) : ""; };
        EXPECT_EQ(TitleButtonsFor(c.manager, setting), c.buttons) << c.manager << " / " << c.setting;
    }
}

TEST(PopupMenu, CaptionsBecomeLinesWithDividersAndTheirIndices) {
    const std::vector<std::string> captions = {"-",     "設定(&S)", "-",        "-", "バージョン情報(&A)",
                                               "@mail", "",         "終了(&X)", "-"};
    const std::vector<MenuEntry> entries = MenuEntriesFor(captions);
    ASSERT_EQ(entries.size(), 5u);
    const MenuEntry expected[] = {{"設定(&S)", 1, true},
                                  {"バージョン情報(&A)", 4, false},
                                  {"@@mail", 5, false},
                                  {"", 6, false},
                                  {"終了(&X)", 7, true}};
    for (std::size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(entries[i].label, expected[i].label) << i;
        EXPECT_EQ(entries[i].captionIndex, expected[i].captionIndex) << i;
        EXPECT_EQ(entries[i].dividerAfter, expected[i].dividerAfter) << i;
    }
    EXPECT_TRUE(MenuEntriesFor({"-", "-"}).empty());
}

}  // namespace
