// The program's icon from the resources: drawn by the GDI canvas with its transparency, and carried
// by every form window in both sizes.
#include "platform/win32/ProgramIcon.h"

#include <gtest/gtest.h>

#include "Win32TestSupport.h"
#include "platform/win32/GdiCanvas.h"

namespace {

TEST(ProgramIcon, DrawnScaledWithItsCornersTransparent) {
    HDC dc = ::CreateCompatibleDC(nullptr);
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof bi.bmiHeader, 64, -64, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(bitmap, nullptr);
    HGDIOBJ old = ::SelectObject(dc, bitmap);
    platform::win32::FontCache fonts;
    {
        platform::win32::GdiCanvas canvas(dc, fonts);
        canvas.FillRect({0, 0, 64, 64}, {255, 0, 0});
        canvas.DrawProgramIcon({4, 4, 44, 44});    // 40 px: no image of that size, Windows scales one
        canvas.DrawProgramIcon({50, 50, 50, 60});  // empty: nothing
    }
    EXPECT_EQ(::GetPixel(dc, 4, 4), RGB(255, 0, 0));    // the round icon's corner shows the fill
    EXPECT_EQ(::GetPixel(dc, 44, 24), RGB(255, 0, 0));  // right of the box
    EXPECT_EQ(::GetPixel(dc, 50, 55), RGB(255, 0, 0));
    EXPECT_EQ(::GetPixel(dc, 24, 30), RGB(255, 255, 255));  // the white clock face below the hands
    ::DeleteObject(::SelectObject(dc, old));
    ::DeleteDC(dc);
}

using WindowIconTest = vigilon_test::Win32WindowTest;

TEST_F(WindowIconTest, EveryFormWindowCarriesTheSmallAndTheBigIcon) {
    for (platform::WindowFrame frame : {platform::WindowFrame::None, platform::WindowFrame::Dialog}) {
        HWND hwnd = Hwnd(Open(frame, 100, 50, listener));
        HICON small = reinterpret_cast<HICON>(::SendMessageW(hwnd, WM_GETICON, ICON_SMALL, 0));
        HICON big = reinterpret_cast<HICON>(::SendMessageW(hwnd, WM_GETICON, ICON_BIG, 0));
        EXPECT_EQ(small,
                  platform::win32::ProgramIcon(::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON)));
        EXPECT_EQ(big, platform::win32::ProgramIcon(::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CYICON)));
        ASSERT_NE(small, nullptr);
        ICONINFO info{};
        ASSERT_TRUE(::GetIconInfo(big, &info));
        BITMAP colour{};
        ::GetObjectW(info.hbmColor, sizeof colour, &colour);
        EXPECT_EQ(colour.bmWidth, ::GetSystemMetrics(SM_CXICON));
        ::DeleteObject(info.hbmColor);
        ::DeleteObject(info.hbmMask);
    }
}

}  // namespace
