// The GDI canvas and font cache drawing into a real device-independent bitmap.
#include "platform/win32/GdiCanvas.h"

#include <gtest/gtest.h>

namespace {

using platform::Color;
using platform::Font;
using platform::PixelRect;
using platform::win32::FontCache;
using platform::win32::GdiCanvas;

TEST(FontCache, HeightCountsFractionalPoints) {
    EXPECT_EQ(FontCache::HeightForPoints(8.25, 96), -11);
    EXPECT_EQ(FontCache::HeightForPoints(9, 96), -12);
    EXPECT_EQ(FontCache::HeightForPoints(9.75, 96), -13);
    EXPECT_EQ(FontCache::HeightForPoints(8.25, 120), -14);  // 13.75 rounds up
    EXPECT_EQ(FontCache::HeightForPoints(12, 144), -24);
}

TEST(FontCache, OneFontPerFaceSizeAndWeight) {
    FontCache fonts;
    const Font regular{"ＭＳ Ｐゴシック", 8.25, 400};
    const Font bold{"ＭＳ Ｐゴシック", 8.25, 700};
    HFONT a = fonts.Get(regular);
    EXPECT_EQ(fonts.Get(regular), a);
    HFONT b = fonts.Get(bold);
    EXPECT_NE(b, a);

    LOGFONTW lf{};
    ASSERT_EQ(::GetObjectW(b, sizeof lf, &lf), static_cast<int>(sizeof lf));
    HDC screen = ::GetDC(nullptr);
    const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);
    EXPECT_EQ(lf.lfHeight, FontCache::HeightForPoints(8.25, dpi));
    EXPECT_EQ(lf.lfWeight, 700);
    EXPECT_EQ(lf.lfCharSet, SHIFTJIS_CHARSET);
    EXPECT_STREQ(lf.lfFaceName, L"ＭＳ Ｐゴシック");
}

// A 64x24 white 32-bit DIB with a memory DC, read back pixel by pixel.
class CanvasTest : public ::testing::Test {
protected:
    void SetUp() override {
        BITMAPINFO bi{};
        bi.bmiHeader.biSize = sizeof bi.bmiHeader;
        bi.bmiHeader.biWidth = kWidth;
        bi.bmiHeader.biHeight = -kHeight;  // top-down
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        bi.bmiHeader.biCompression = BI_RGB;
        dc = ::CreateCompatibleDC(nullptr);
        bitmap = ::CreateDIBSection(dc, &bi, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits), nullptr, 0);
        ASSERT_NE(bitmap, nullptr);
        old = ::SelectObject(dc, bitmap);
        for (int i = 0; i < kWidth * kHeight; ++i)
            bits[i] = 0xFFFFFF;
    }
    void TearDown() override {
        ::SelectObject(dc, old);
        ::DeleteObject(bitmap);
        ::DeleteDC(dc);
    }
    DWORD At(int x, int y) {
        ::GdiFlush();
        return bits[y * kWidth + x] & 0xFFFFFF;  // 0xRRGGBB
    }

    static constexpr int kWidth = 64;
    static constexpr int kHeight = 24;
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ old = nullptr;
    DWORD* bits = nullptr;
    FontCache fonts;
};

TEST_F(CanvasTest, FillAndFrameStayInsideTheirRectangles) {
    {
        GdiCanvas canvas(dc, fonts);
        canvas.FillRect({2, 2, 10, 10}, Color{255, 0, 0});
        canvas.FrameRect({20, 2, 30, 12}, Color{0, 0, 255});
    }
    EXPECT_EQ(At(2, 2), 0xFF0000u);
    EXPECT_EQ(At(9, 9), 0xFF0000u);
    EXPECT_EQ(At(10, 10), 0xFFFFFFu);  // right and bottom are exclusive
    EXPECT_EQ(At(1, 2), 0xFFFFFFu);
    EXPECT_EQ(At(20, 2), 0x0000FFu);
    EXPECT_EQ(At(29, 11), 0x0000FFu);
    EXPECT_EQ(At(21, 3), 0xFFFFFFu);  // one pixel wide
    EXPECT_EQ(At(30, 12), 0xFFFFFFu);
}

TEST_F(CanvasTest, TextIsClippedToItsRectangleAndLeavesTheBackground) {
    const Font font{"ＭＳ Ｐゴシック", 8.25, 400};
    {
        GdiCanvas canvas(dc, fonts);
        canvas.FillRect({0, 0, 64, 24}, Color{0, 255, 0});
        canvas.DrawText({4, 2, 20, 16}, "WWWWWWWWWW", font, Color{0, 0, 0}, platform::TextAlign::Left);
    }
    bool inkInside = false;
    for (int y = 2; y < 16; ++y) {
        for (int x = 4; x < 20; ++x)
            inkInside = inkInside || At(x, y) == 0x000000;
    }
    EXPECT_TRUE(inkInside);
    // Transparent: what is not ink keeps the fill; nothing is drawn beyond the rectangle.
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            if (x < 4 || x >= 20 || y < 2 || y >= 16) {
                ASSERT_EQ(At(x, y), 0x00FF00u) << x << "," << y;
            }
        }
    }
}

}  // namespace
