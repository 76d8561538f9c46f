// Pixel sizes of the forms' fonts, the tooltip regions' hit rules and the message boxes' wrapping.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <tuple>

#include "platform/linux/controls/ToolTips.h"
#include "platform/linux/draw/Fonts.h"
#include "platform/linux/draw/TextWrap.h"
#include "platform/linux/x11/XftDpi.h"

namespace {

using namespace platform::x11;

// One unit per character, whatever its byte length.
int Characters(std::string_view s) {
    return static_cast<int>(std::count_if(s.begin(), s.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

TEST(Fonts, SizesOfTheFormsFontsAtEachResolution) {
    // Points at 96 dpi as before; the baseline follows the Windows Gothic ascent.
    const std::tuple<double, int, int, int> sizes[] = {
        {8.25, 96, 11, 9},    {9.0, 96, 12, 10},   {14.25, 96, 19, 16},  {8.25, 120, 14, 12},
        {14.25, 144, 29, 25}, {8.25, 192, 22, 19}, {14.25, 192, 38, 33},
    };
    for (const auto& [points, dpi, pixels, ascent] : sizes) {
        EXPECT_EQ(PixelsFromPoints(points, dpi), pixels) << points << " pt at " << dpi;
        EXPECT_EQ(AscentPixels(pixels), ascent) << pixels;
    }
    // The drawing resolution the platform sets is the one text and the backend's boxes use.
    SetFontDpi(144);
    EXPECT_EQ(PixelsFromPoints(9.0), 18);
    EXPECT_EQ(ScaledPixels(23), 35);
    SetFontDpi(96);
    EXPECT_EQ(PixelsFromPoints(9.0), 12);
}

TEST(Fonts, XftDpiValues) {
    // clang-format off
    const std::pair<const char*, std::optional<int>> values[] = {
        {"96", 96}, {"144", 144}, {" 120.0\t", 120}, {"96.4", 96}, {"192.5", 193}, {"48", 48}, {"480", 480},
        {"47.9", std::nullopt}, {"481", std::nullopt}, {"-96", std::nullopt}, {"", std::nullopt},
        {"96dpi", std::nullopt}, {"nan", std::nullopt}, {"1e400", std::nullopt}, {"0x60", std::nullopt},
    };
    // clang-format on
    for (const auto& [text, dpi] : values)
        EXPECT_EQ(ParseDpi(text), dpi) << '"' << text << '"';
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
