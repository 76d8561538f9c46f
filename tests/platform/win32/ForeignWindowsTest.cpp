// Another program's window as the bar reads it through the real Win32 calls: foreground, styles,
// placement in each show state, the monitor, and the hidden-window rule of SetTopMost.
#include <gtest/gtest.h>

#include "Win32TestSupport.h"

namespace {

using ForeignWindowsTest = vigilon_test::Win32WindowTest;

TEST_F(ForeignWindowsTest, StylesPlacementAndShowStatesOfAnOrdinaryWindow) {
    // An ordinary overlapped window with caption buttons, as an editor has.
    HWND editor = ::CreateWindowExW(0, L"STATIC", L"editor", WS_OVERLAPPEDWINDOW, 100, 50, 800, 550, nullptr, nullptr,
                                    ::GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(editor, nullptr);
    const auto w = reinterpret_cast<platform::WindowHandle>(editor);
    ::ShowWindow(editor, SW_SHOWNORMAL);
    ::SetForegroundWindow(editor);
    EXPECT_EQ(platform->Desktop().GetForegroundWindow(), w);
    // Making a hidden form topmost must not activate it: Wine would take the keyboard from the editor.
    platform->Windows().SetTopMost(Open(platform::WindowFrame::ThinBorder, 138, 136, listener));
    EXPECT_EQ(::GetForegroundWindow(), editor);

    const std::uint32_t boxes = platform::kStyleMinimizeBox | platform::kStyleMaximizeBox | platform::kStyleThickFrame;
    EXPECT_EQ(platform->Desktop().GetWindowStyle(w) & boxes, boxes);
    EXPECT_EQ(platform->Desktop().GetWindowExStyle(w) & platform::kExStyleToolWindow, 0u);
    EXPECT_EQ(platform->Desktop().GetWindowStyle(0), 0u);
    platform::WindowPlacement placement = platform->Desktop().GetWindowPlacement(w);
    EXPECT_EQ(placement.showCmd, platform::kShowNormal);
    EXPECT_EQ(placement.normalPosition.Width(), 800);
    EXPECT_EQ(placement.normalPosition.Height(), 550);
    EXPECT_EQ(platform->Desktop().GetSystemMetric(platform::Metric::CaptionHeight, w),
              ::GetSystemMetrics(SM_CYCAPTION));

    // One monitor here: every window, and no window, is on the primary one; Windows knows no button width.
    const platform::PixelRect primary{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    EXPECT_EQ(platform->Desktop().GetMonitorRect(w), primary);
    EXPECT_EQ(platform->Desktop().GetMonitorRect(0), primary);
    // The caption as the classic metrics reckon it, inside the frame of the normal position.
    const platform::CaptionGeometry caption = platform->Desktop().GetCaptionGeometry(w);
    const platform::PixelRect n = placement.normalPosition;
    const int fx = ::GetSystemMetrics(SM_CXFRAME), fy = ::GetSystemMetrics(SM_CYFRAME);
    EXPECT_EQ(caption.window, n);
    EXPECT_EQ(caption.titleBar,
              (platform::PixelRect{n.left + fx, n.top + fy, n.right - fx,
                                   n.top + fy + ::GetSystemMetrics(SM_CYCAPTION) - ::GetSystemMetrics(SM_CYBORDER)}));
    EXPECT_FALSE(caption.buttons.has_value());
    EXPECT_FALSE(caption.headerBar);
    EXPECT_EQ(caption.monitor, primary);
    RECT work{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_EQ(caption.workArea, (platform::PixelRect{work.left, work.top, work.right, work.bottom}));

    // Within one follow round the window's styles and rectangle are read once; the next round reads
    // them again.
    platform->Desktop().BeginWindowFacts();
    const platform::PixelRect before = platform->Desktop().GetWindowRect(w);
    const std::uint32_t style = platform->Desktop().GetWindowStyle(w);
    ::SetWindowPos(editor, nullptr, before.left + 40, before.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::SetWindowLongW(editor, GWL_STYLE, static_cast<LONG>(style & ~boxes));
    EXPECT_EQ(platform->Desktop().GetWindowRect(w), before);
    EXPECT_EQ(platform->Desktop().GetWindowStyle(w), style);
    platform->Desktop().EndWindowFacts();
    EXPECT_EQ(platform->Desktop().GetWindowRect(w).left, before.left + 40);
    EXPECT_EQ(platform->Desktop().GetWindowStyle(w) & boxes, 0u);
    ::SetWindowLongW(editor, GWL_STYLE, static_cast<LONG>(style));

    ::ShowWindow(editor, SW_MAXIMIZE);
    EXPECT_EQ(platform->Desktop().GetWindowPlacement(w).showCmd, platform::kShowMaximized);
    EXPECT_EQ(platform->Desktop().GetMonitorRect(w), primary);
    ::ShowWindow(editor, SW_MINIMIZE);
    EXPECT_EQ(platform->Desktop().GetWindowPlacement(w).showCmd, platform::kShowMinimized);
    ::DestroyWindow(editor);
}

}  // namespace
