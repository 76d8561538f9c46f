// Fonts standing in for the Windows faces, and the tooltip regions' hit rules.
#include <gtest/gtest.h>

#include "platform/linux/Fonts.h"
#include "platform/linux/TextWrap.h"
#include "platform/linux/ToolTips.h"

namespace {

using platform::x11::AscentPixels;
using platform::x11::PixelsFromPoints;
using platform::x11::SubstituteFace;
using platform::x11::ToolTipRegions;
using platform::x11::WrapToWidth;

// One unit per character, whatever its byte length.
int Characters(std::string_view s) {
    int n = 0;
    for (const char c : s)
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

TEST(Fonts, WindowsFacesMapToTheIpaFaces) {
    EXPECT_EQ(SubstituteFace("ＭＳ Ｐゴシック"), "IPAPGothic");
    EXPECT_EQ(SubstituteFace("ＭＳ ゴシック"), "IPAGothic");
    EXPECT_EQ(SubstituteFace("ＭＳ 明朝"), "IPAPGothic");
    EXPECT_EQ(SubstituteFace(""), "IPAPGothic");
}

TEST(Fonts, PointsArePixelsAt96Dpi) {
    EXPECT_EQ(PixelsFromPoints(8.25), 11);
    EXPECT_EQ(PixelsFromPoints(9.0), 12);
    EXPECT_EQ(PixelsFromPoints(14.25), 19);
}

TEST(Fonts, BaselineFollowsTheWindowsGothicAscent) {
    EXPECT_EQ(AscentPixels(11), 9);
    EXPECT_EQ(AscentPixels(12), 10);
    EXPECT_EQ(AscentPixels(19), 16);
}

TEST(ToolTipRegions, LastRegisteredWinsWhereRegionsOverlap) {
    ToolTipRegions regions;
    regions.Set(7, {0, 0, 60, 20}, "bar");
    regions.Set(3, {40, 0, 120, 20}, "memory");
    EXPECT_EQ(regions.Hit(10, 5)->text, "bar");
    EXPECT_EQ(regions.Hit(50, 5)->text, "memory");
    // An update keeps the region's place in the order.
    regions.Set(7, {0, 0, 60, 20}, "bar 2");
    EXPECT_EQ(regions.Hit(50, 5)->text, "memory");
    EXPECT_EQ(regions.Hit(10, 5)->text, "bar 2");
}

TEST(ToolTipRegions, EdgesAndRemoval) {
    ToolTipRegions regions;
    regions.Set(1, {10, 10, 20, 20}, "x");
    EXPECT_NE(regions.Hit(10, 10), nullptr);
    EXPECT_EQ(regions.Hit(20, 15), nullptr);  // right and bottom edges are outside
    EXPECT_EQ(regions.Hit(15, 20), nullptr);
    EXPECT_EQ(regions.Set(1, {10, 10, 20, 20}, ""), nullptr);
    EXPECT_EQ(regions.Hit(15, 15), nullptr);
    EXPECT_EQ(regions.Find(1), nullptr);
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
