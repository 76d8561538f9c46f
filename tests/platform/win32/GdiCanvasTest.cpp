// The GDI canvas and font cache drawing into a real device-independent bitmap.
#include "platform/win32/DpiScaling.h"
#include "platform/win32/GdiCanvas.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using platform::Color;
using platform::Font;
using platform::win32::FontCache;
using platform::win32::GdiCanvas;

const Font kGothic{"ＭＳ Ｐゴシック", 8.25, 400};

TEST(FontCache, OneFontPerFaceSizeAndWeightWithFractionalPoints) {
    EXPECT_EQ(FontCache::HeightForPoints(8.25, 96), -11);
    EXPECT_EQ(FontCache::HeightForPoints(8.25, 120), -14);  // 13.75 rounds up
    EXPECT_EQ(FontCache::HeightForPoints(14.25, 144), -29);
    EXPECT_EQ(FontCache::HeightForPoints(14.25, 192), -38);
    FontCache fonts;
    HFONT regular = fonts.Get(kGothic);
    HFONT bold = fonts.Get(Font{kGothic.face, 8.25, 700});
    EXPECT_EQ(fonts.Get(kGothic), regular);
    EXPECT_NE(bold, regular);
    LOGFONTW lf{};
    ASSERT_EQ(::GetObjectW(bold, sizeof lf, &lf), static_cast<int>(sizeof lf));
    HDC screen = ::GetDC(nullptr);
    EXPECT_EQ(lf.lfHeight, FontCache::HeightForPoints(8.25, ::GetDeviceCaps(screen, LOGPIXELSY)));
    ::ReleaseDC(nullptr, screen);
    EXPECT_EQ(lf.lfWeight, 700);
    EXPECT_EQ(lf.lfCharSet, SHIFTJIS_CHARSET);
    EXPECT_STREQ(lf.lfFaceName, L"ＭＳ Ｐゴシック");

    // At another resolution the same request is another font, made for it.
    const int dpi = platform::win32::CurrentDpi();
    platform::win32::SetCurrentDpi(dpi * 2);
    HFONT twice = fonts.Get(kGothic);
    EXPECT_NE(twice, regular);
    ASSERT_EQ(::GetObjectW(twice, sizeof lf, &lf), static_cast<int>(sizeof lf));
    EXPECT_EQ(lf.lfHeight, FontCache::HeightForPoints(8.25, dpi * 2));
    platform::win32::SetCurrentDpi(dpi);
    EXPECT_EQ(fonts.Get(kGothic), regular);
}

// Fill, frame and text side by side on a 64x24 32-bit DIB section, read back pixel by pixel.
TEST(GdiCanvas, DrawsInsideItsRectanglesAndTextIsTransparent) {
    HDC dc = ::CreateCompatibleDC(nullptr);
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof bi.bmiHeader, 64, -24, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(bitmap, nullptr);
    HGDIOBJ old = ::SelectObject(dc, bitmap);
    FontCache fonts;
    {
        GdiCanvas canvas(dc, fonts);
        canvas.FillRect({0, 0, 64, 24}, Color{0, 255, 0});
        canvas.FillRect({2, 2, 10, 10}, Color{255, 0, 0});
        canvas.FrameRect({20, 2, 30, 12}, Color{0, 0, 255});
        canvas.DrawText({36, 2, 52, 16}, "WWWWWWWWWW", kGothic, Color{0, 0, 0}, platform::TextAlign::Left);
        // Measured in the font: twice the text, twice the width; a bolder and larger font, wider.
        const int four = canvas.TextWidth("WWWW", kGothic);
        EXPECT_GT(four, 0);
        EXPECT_EQ(canvas.TextWidth("WWWWWWWW", kGothic), 2 * four);
        EXPECT_GT(canvas.TextWidth("WWWW", Font{kGothic.face, 14.25, 700}), four);
        EXPECT_EQ(canvas.TextWidth("", kGothic), 0);
    }
    const COLORREF red = RGB(255, 0, 0), blue = RGB(0, 0, 255), green = RGB(0, 255, 0);
    const std::tuple<int, int, COLORREF> pixels[] = {
        {2, 2, red},   {9, 9, red},    {10, 10, green}, {1, 2, green},     // right and bottom exclusive
        {20, 2, blue}, {29, 11, blue}, {21, 3, green},  {30, 12, green}};  // one pixel wide
    for (const auto& [x, y, color] : pixels)
        EXPECT_EQ(::GetPixel(dc, x, y), color) << x << "," << y;
    // Text: ink inside its rectangle, the fill kept everywhere around it.
    bool ink = false;
    for (int y = 0; y < 24; ++y) {
        for (int x = 32; x < 64; ++x) {
            const bool inside = x >= 36 && x < 52 && y >= 2 && y < 16;
            ink = ink || (inside && ::GetPixel(dc, x, y) == RGB(0, 0, 0));
            ASSERT_TRUE(inside || ::GetPixel(dc, x, y) == green) << x << "," << y;
        }
    }
    EXPECT_TRUE(ink);
    ::DeleteObject(::SelectObject(dc, old));
    ::DeleteDC(dc);
}

}  // namespace
