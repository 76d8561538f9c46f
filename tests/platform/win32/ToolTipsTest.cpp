// Tooltips of a real form window: tools added, moved, retitled and removed in the tooltips_class32
// window. This binary has no manifest, so it checks the record size against comctl32 5.x.
#include "platform/win32/ToolTips.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

#include "Win32TestSupport.h"
#include "platform/win32/FormWindow.h"

namespace {

using platform::PixelRect;
using ToolTipsTest = vigilon_test::Win32WindowTest;

// The text and rectangle the tooltip window holds for one tool.
std::pair<std::wstring, RECT> ToolOf(HWND tip, HWND form, int id) {
    wchar_t text[256] = L"";
    TTTOOLINFOW ti{};
    ti.cbSize = TTTOOLINFOW_V2_SIZE;
    ti.hwnd = form;
    ti.uId = static_cast<UINT_PTR>(id);
    ti.lpszText = text;
    ::SendMessageW(tip, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&ti));
    return {text, ti.rect};
}

// The whole life of two tools on one bar.
TEST_F(ToolTipsTest, ToolsFollowTheirRectanglesAndTexts) {
    const auto w = Open(platform::WindowFrame::None, 232, 20, listener);
    HWND bar = Hwnd(w);
    const auto* form = platform::win32::FormWindow::FromHandle(bar);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->ToolTipWindow(), nullptr);  // no tooltip window until the first tool
    platform->Windows().SetToolTip(w, 1, PixelRect{0, 0, 40, 20}, "ＣＰＵ使用率：5%");
    HWND tip = form->ToolTipWindow();
    ASSERT_NE(tip, nullptr);
    EXPECT_TRUE(::GetWindowLongW(tip, GWL_STYLE) & TTS_ALWAYSTIP);
    const auto count = [&] { return ::SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0); };
    EXPECT_EQ(count(), 1);
    EXPECT_EQ(ToolOf(tip, bar, 1).first, L"ＣＰＵ使用率：5%");

    platform->Windows().SetToolTip(w, 2, PixelRect{40, 0, 80, 20}, "メモリ使用率：40%");
    EXPECT_EQ(count(), 2);
    platform->Windows().SetToolTip(w, 1, PixelRect{0, 0, 40, 20}, "ＣＰＵ使用率：12%");
    EXPECT_EQ(ToolOf(tip, bar, 1).first, L"ＣＰＵ使用率：12%");
    platform->Windows().SetToolTip(w, 2, PixelRect{45, 1, 90, 19}, "メモリ使用率：40%");
    const RECT moved = ToolOf(tip, bar, 2).second;
    EXPECT_EQ(std::tuple(moved.left, moved.top, moved.right, moved.bottom), std::tuple(45, 1, 90, 19));

    platform->Windows().SetToolTip(w, 1, PixelRect{}, "");
    EXPECT_EQ(count(), 1);
    platform->Windows().SetToolTip(w, 1, PixelRect{}, "");  // removing twice is harmless
    platform->Windows().SetToolTip(w, 1, PixelRect{0, 0, 40, 20}, "ＣＰＵ使用率：1%");
    EXPECT_EQ(count(), 2);
    platform->Windows().DestroyWindow(w);
    EXPECT_FALSE(::IsWindow(tip));  // went with its form
}

}  // namespace
