// Pixel sizes of the forms' fonts, the tooltip regions' hit rules and the message boxes' wrapping.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "platform/linux/Fonts.h"
#include "platform/linux/TextWrap.h"
#include "platform/linux/ToolTips.h"

namespace {

using namespace platform::x11;

// One unit per character, whatever its byte length.
int Characters(std::string_view s) {
    return static_cast<int>(std::count_if(s.begin(), s.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

TEST(Fonts, SizesOfTheFormsFonts) {
    // Points are pixels at 96 dpi; the baseline follows the Windows Gothic ascent.
    const std::tuple<double, int, int> sizes[] = {{8.25, 11, 9}, {9.0, 12, 10}, {14.25, 19, 16}};
    for (const auto& [points, pixels, ascent] : sizes) {
        EXPECT_EQ(PixelsFromPoints(points), pixels) << points;
        EXPECT_EQ(AscentPixels(pixels), ascent) << pixels;
    }
}

TEST(ToolTipRegions, LastRegisteredWinsInsideTheRightAndBottomEdges) {
    ToolTipRegions regions;
    regions.Set(7, {0, 0, 60, 20}, "bar");
    regions.Set(3, {40, 0, 120, 20}, "memory");
    EXPECT_EQ(regions.Hit(0, 0)->text, "bar");
    EXPECT_EQ(regions.Hit(50, 5)->text, "memory");
    EXPECT_EQ(regions.Hit(120, 5), nullptr);  // right and bottom edges are outside
    EXPECT_EQ(regions.Hit(50, 20), nullptr);
    // An update keeps the region's place in the order; empty text removes it.
    regions.Set(7, {0, 0, 60, 20}, "bar 2");
    EXPECT_EQ(regions.Hit(50, 5)->text, "memory");
    EXPECT_EQ(regions.Hit(10, 5)->text, "bar 2");
    EXPECT_EQ(regions.Set(3, {40, 0, 120, 20}, ""), nullptr);
    EXPECT_EQ(regions.Hit(50, 5)->text, "bar 2");
    EXPECT_EQ(regions.Find(3), nullptr);
}

TEST(ToolTipRegions, TextBufferStaysPutWhileItFits) {
    // FLTK keeps a pointer to the shown text; other regions coming and going must not move it.
    ToolTipRegions regions;
    const char* buffer = regions.Set(1, {0, 0, 10, 10}, "ＣＰＵ使用率：5%")->text.c_str();
    for (int i = 2; i < 40; ++i)
        regions.Set(i, {0, 0, 1, 1}, "other");
    regions.Set(5, {}, "");
    EXPECT_EQ(regions.Set(1, {0, 0, 10, 10}, "ＣＰＵ使用率：100%")->text.c_str(), buffer);
}

TEST(TextWrap, JapaneseBreaksBetweenCharactersAndWordsAtBlanks) {
    EXPECT_EQ(WrapToWidth("あいうえおかきく", 3, Characters), "あいう\nえおか\nきく");
    EXPECT_EQ(WrapToWidth("drive C not found", 8, Characters), "drive C\nnot\nfound");
    EXPECT_EQ(WrapToWidth("ab\nあいうえ", 3, Characters), "ab\nあいう\nえ");
    EXPECT_EQ(WrapToWidth("あい", 0, Characters), "あ\nい");  // one character per line at worst
    EXPECT_EQ(WrapToWidth("", 5, Characters), "");
}

}  // namespace
