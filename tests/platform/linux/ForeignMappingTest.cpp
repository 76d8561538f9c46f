// Handles of other programs' windows, where their title bars are and the title-bar buttons of known
// managers; the lines of a popup menu.
#include <gtest/gtest.h>

#include "platform/linux/controls/PopupMenu.h"
#include "platform/linux/wm/ForeignMapping.h"
#include "platform/linux/wm/TitleButtons.h"

namespace {

using namespace platform;
using namespace platform::x11;

TEST(ForeignMapping, ForeignHandlesKeepTheXidApartFromOurCounters) {
    const XWindowId xid = 0x1FFFFFFF;  // the largest X id
    EXPECT_EQ(ForeignXid(ForeignHandle(xid)), xid);
    for (const WindowHandle ours : {WindowHandle{0}, WindowHandle{1}, WindowHandle{0xFFFFFF}})
        EXPECT_EQ(ForeignXid(ours), 0UL) << ours;
}

// Where the title bar is, from the frame the manager reports: the bar's bottom goes on titleBar.bottom.
TEST(ForeignMapping, TheTitleBarIsTheFramesTopStripOrTheWindowsOwn) {
    const PixelRect monitor{0, 0, 1280, 800}, lower{0, 800, 1280, 1600};
    const TitleButtons openboxButtons{49, 48};
    // Each row: show state, frame extents, outer rectangle, its monitor; then the window, title bar,
    // header-bar flag and button width expected.
    const struct {
        const char* what;
        std::int32_t showCmd;
        std::optional<FrameExtents> frame;
        PixelRect outer, monitor, window, titleBar;
        bool headerBar;
        std::optional<int> buttons;
    } cases[] = {
        // clang-format off
        {"openbox: a handle at the bottom", kShowNormal, FrameExtents{1, 1, 23, 5}, {100, 50, 900, 650}, monitor,
         {100, 50, 900, 650}, {101, 51, 899, 73}, false, 49},
        {"a border all round", kShowNormal, FrameExtents{4, 4, 30, 4}, {0, 0, 500, 400}, monitor,
         {0, 0, 500, 400}, {4, 4, 496, 30}, false, 49},
        {"border dropped, maximised", kShowMaximized, FrameExtents{0, 0, 24, 0}, monitor, monitor,
         monitor, {0, 0, 1280, 24}, false, 48},
        {"border kept at the bottom, maximised", kShowMaximized, FrameExtents{0, 0, 19, 3}, {0, 0, 1280, 780}, monitor,
         {0, 0, 1280, 780}, {0, 0, 1280, 19}, false, 48},
        {"frame above the top, maximised", kShowMaximized, FrameExtents{5, 5, 24, 5}, {-5, -5, 1285, 769}, monitor,
         {0, 0, 1280, 769}, {0, 0, 1280, 19}, false, 48},
        {"under a 21-pixel panel, maximised", kShowMaximized, FrameExtents{1, 1, 22, 1}, {0, 21, 1278, 790}, monitor,
         {0, 21, 1278, 790}, {1, 22, 1277, 43}, false, 48},
        {"on the lower monitor, maximised", kShowMaximized, FrameExtents{0, 0, 20, 0}, lower, lower,
         lower, {0, 800, 1280, 820}, false, 48},
        {"no frame extents", kShowNormal, std::nullopt, {10, 20, 410, 320}, monitor,
         {10, 20, 410, 320}, {10, 20, 410, 20}, true, std::nullopt},
        {"a border without a title bar (openbox, decorations off)", kShowNormal, FrameExtents{1, 1, 1, 1},
         {10, 20, 410, 320}, monitor, {10, 20, 410, 320}, {10, 20, 410, 20}, true, std::nullopt},
        {"minimised", kShowMinimized, FrameExtents{1, 1, 23, 5}, {10, 20, 410, 320}, monitor,
         {10, 20, 410, 320}, {}, false, std::nullopt},
        // clang-format on
    };
    for (const auto& c : cases) {
        const CaptionGeometry g =
            CaptionFromFrame({c.showCmd, c.outer, c.frame, std::nullopt, openboxButtons, c.monitor, c.monitor});
        EXPECT_EQ(std::tie(g.window, g.titleBar, g.headerBar, g.buttons, g.monitor),
                  std::tie(c.window, c.titleBar, c.headerBar, c.buttons, c.monitor))
            << c.what;
    }
    // A header bar (no frame from the manager) shows where its shadow ends: gtk3-demo's client
    // 214,53 852x699 with _GTK_FRAME_EXTENTS 26,26,23,29; a shadow wider than the window leaves nothing.
    const auto headerBar = [&](PixelRect outer, FrameExtents shadow) {
        return CaptionFromFrame({kShowNormal, outer, std::nullopt, shadow, openboxButtons, monitor, monitor});
    };
    const CaptionGeometry gtk = headerBar({214, 53, 1066, 752}, {26, 26, 23, 29});
    EXPECT_EQ(std::tie(gtk.headerBar, gtk.window, gtk.titleBar, gtk.buttons),
              std::tuple(true, PixelRect{240, 76, 1040, 723}, PixelRect{240, 76, 1040, 76}, std::nullopt));
    EXPECT_EQ(headerBar({0, 0, 100, 100}, {32767, 32767, 32767, 32767}).titleBar.Width(), 0);

    // The work area is the monitor's part of _NET_WORKAREA (GNOME's top panel: 32 pixels).
    // The third: nothing of it in the area, so the whole.
    EXPECT_EQ((std::vector<PixelRect>{
                  WorkAreaOn(monitor, PixelRect{0, 32, 1280, 800}), WorkAreaOn(lower, PixelRect{0, 32, 1280, 1600}),
                  WorkAreaOn(lower, PixelRect{0, 32, 1280, 800}), WorkAreaOn(monitor, std::nullopt)}),
              (std::vector<PixelRect>{{0, 32, 1280, 800}, lower, lower, monitor}));
    EXPECT_EQ(std::pair(ClassicMetric(Metric::ScreenHeight, {1280, 1024}),
                        ClassicMetric(Metric::CaptionHeight, {1280, 1024})),
              std::pair(1024, 19));
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
    for (std::size_t i = 0; i < entries.size(); ++i)
        EXPECT_EQ(std::tie(entries[i].label, entries[i].captionIndex, entries[i].dividerAfter),
                  std::tie(expected[i].label, expected[i].captionIndex, expected[i].dividerAfter))
            << i;
    EXPECT_TRUE(MenuEntriesFor({"-", "-"}).empty());
}

}  // namespace
