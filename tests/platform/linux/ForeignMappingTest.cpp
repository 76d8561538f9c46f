// Handles of other programs' windows and the frame metrics that put the bar on a title bar; the lines
// of a popup menu.
#include <gtest/gtest.h>

#include <climits>

#include "platform/linux/ForeignMapping.h"
#include "platform/linux/PopupMenu.h"

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
