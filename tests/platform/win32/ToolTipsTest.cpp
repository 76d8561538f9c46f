// Tooltips of a real form window: tools added, moved, retitled and removed in the tooltips_class32
// window. This binary has no manifest, so it checks the record size against comctl32 5.x.
#include "platform/win32/ToolTips.h"

#include <gtest/gtest.h>

#include <string>

#include "Win32TestSupport.h"
#include "platform/win32/FormWindow.h"

namespace {

using platform::PixelRect;

class ToolTipsTest : public vigilon_test::Win32WindowTest {
protected:
    platform::WindowHandle CreateBar() {
        platform::WindowSpec desc;
        desc.clientWidth = 232;
        desc.clientHeight = 20;
        return platform->CreateFormWindow(desc, listener);
    }
    static HWND TipOf(platform::WindowHandle w) {
        const auto* form = platform::win32::FormWindow::FromHandle(Hwnd(w));
        return form ? form->ToolTipWindow() : nullptr;
    }
    static LRESULT Count(HWND tip) { return ::SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0); }
    static TTTOOLINFOW Query(HWND tip, HWND form, int id, wchar_t* text) {
        TTTOOLINFOW ti{};
        ti.cbSize = TTTOOLINFOW_V2_SIZE;
        ti.hwnd = form;
        ti.uId = static_cast<UINT_PTR>(id);
        ti.lpszText = text;
        ::SendMessageW(tip, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&ti));
        return ti;
    }
    static std::wstring TextOf(HWND tip, HWND form, int id) {
        wchar_t text[256] = L"";
        Query(tip, form, id, text);
        return text;
    }

    vigilon_test::RecordingListener listener;
};

// The whole life of two tools on one bar.
TEST_F(ToolTipsTest, ToolsFollowTheirRectanglesAndTexts) {
    const auto w = CreateBar();
    HWND bar = Hwnd(w);
    EXPECT_EQ(TipOf(w), nullptr);  // no tooltip window until the first tool
    platform->SetToolTip(w, 1, PixelRect{0, 0, 40, 20}, "ＣＰＵ使用率：5%");
    HWND tip = TipOf(w);
    ASSERT_NE(tip, nullptr);
    EXPECT_EQ(::GetWindow(tip, GW_OWNER), bar);
    EXPECT_TRUE(::GetWindowLongW(tip, GWL_STYLE) & TTS_ALWAYSTIP);
    EXPECT_EQ(Count(tip), 1);
    EXPECT_EQ(TextOf(tip, bar, 1), L"ＣＰＵ使用率：5%");

    platform->SetToolTip(w, 2, PixelRect{40, 0, 80, 20}, "メモリ使用率：40%");
    EXPECT_EQ(Count(tip), 2);
    platform->SetToolTip(w, 1, PixelRect{0, 0, 40, 20}, "ＣＰＵ使用率：12%");
    EXPECT_EQ(TextOf(tip, bar, 1), L"ＣＰＵ使用率：12%");
    platform->SetToolTip(w, 2, PixelRect{45, 1, 90, 19}, "メモリ使用率：40%");
    wchar_t text[256] = L"";
    const RECT moved = Query(tip, bar, 2, text).rect;
    EXPECT_EQ(moved.left, 45);
    EXPECT_EQ(moved.right, 90);
    EXPECT_EQ(moved.bottom, 19);

    platform->SetToolTip(w, 1, PixelRect{}, "");
    EXPECT_EQ(Count(tip), 1);
    platform->SetToolTip(w, 1, PixelRect{}, "");  // removing twice is harmless
    platform->SetToolTip(w, 1, PixelRect{0, 0, 40, 20}, "ＣＰＵ使用率：1%");
    EXPECT_EQ(Count(tip), 2);

    platform->DestroyWindow(w);
    EXPECT_FALSE(::IsWindow(tip));  // went with its form
}

}  // namespace
