// The native controls and balloons on the real Win32 layer: what the system's own controls hold after
// the platform calls, and a balloon tooltip really made for a control.
#include "platform/win32/NativeControls.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Win32TestSupport.h"

namespace {

using NativeControlsTest = vigilon_test::Win32WindowTest;

struct Counting : platform::ControlListener {
    int changes = 0;
    void OnControlChanged() override { ++changes; }
};

TEST_F(NativeControlsTest, ControlsHoldWhatTheProgramSetsWithoutReportingIt) {
    const auto form = Open(platform::WindowFrame::Dialog, 296, 364, listener);
    Counting heard;
    platform::ControlSpec layout;
    layout.kind = platform::ControlKind::Slider;
    layout.bounds = {130, 167, 283, 188};
    layout.minimum = 100;
    layout.maximum = 255;
    layout.smallStep = 1;
    layout.largeStep = 5;
    const auto slider = platform->Controls().CreateControl(form, layout, heard);
    HWND track = Hwnd(slider);
    EXPECT_EQ(::SendMessageW(track, TBM_GETRANGEMIN, 0, 0), 100);
    EXPECT_EQ(::SendMessageW(track, TBM_GETRANGEMAX, 0, 0), 255);
    EXPECT_EQ(::SendMessageW(track, TBM_GETPAGESIZE, 0, 0), 5);
    platform->Controls().SetControlValue(slider, 180);
    EXPECT_EQ(platform->Controls().GetControlValue(slider), 180);

    layout = {};
    layout.kind = platform::ControlKind::TextBox;
    layout.bounds = {88, 56, 137, 74};
    layout.maxLength = 5;
    const auto edit = platform->Controls().CreateControl(form, layout, heard);
    EXPECT_EQ(::SendMessageW(Hwnd(edit), EM_GETLIMITTEXT, 0, 0), 5);
    platform->Controls().SetControlText(edit, "60000");
    EXPECT_EQ(platform->Controls().GetControlText(edit), "60000");

    layout.kind = platform::ControlKind::ListBox;
    const auto list = platform->Controls().CreateControl(form, layout, heard);
    for (const auto& [at, text] :
         std::vector<std::pair<int, std::string>>{{0, "12/31"}, {0, " 1/ 1"}, {1, " 2/11"}, {0, ""}})
        platform->Controls().InsertControlItem(list, at, text);
    std::vector<std::wstring> shown;
    for (int i = 0; i < 4; ++i) {
        wchar_t item[16] = L"";
        ::SendMessageW(Hwnd(list), LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item));
        shown.emplace_back(item);
    }
    // As inserted, unsorted by the system; the empty entry an empty line like the others.
    EXPECT_EQ(shown, (std::vector<std::wstring>{L"", L" 1/ 1", L" 2/11", L"12/31"}));
    EXPECT_EQ(::SendMessageW(Hwnd(list), LB_GETTEXTLEN, 0, 0), 0);
    EXPECT_EQ(::SendMessageW(Hwnd(list), LB_GETITEMHEIGHT, 0, 0), ::SendMessageW(Hwnd(list), LB_GETITEMHEIGHT, 1, 0));
    platform->Controls().SetControlValue(list, 2);
    EXPECT_EQ(platform->Controls().GetControlValue(list), 2);
    EXPECT_EQ(heard.changes, 0);  // only the user's changes are reported
    platform->Windows().DestroyWindow(form);
}

// Stops at the first balloon tooltip window of the thread and stores it in *found.
BOOL CALLBACK FindBalloon(HWND w, LPARAM found) {
    wchar_t cls[64] = L"";
    ::GetClassNameW(w, cls, 64);
    if (std::wstring(cls) == TOOLTIPS_CLASSW && (::GetWindowLongW(w, GWL_STYLE) & TTS_BALLOON)) {
        *reinterpret_cast<HWND*>(found) = w;
        return FALSE;
    }
    return TRUE;
}

TEST_F(NativeControlsTest, ABalloonTipIsMadeForTheControlWithItsTitle) {
    const auto form = Open(platform::WindowFrame::Dialog, 296, 364, listener);
    Counting heard;
    platform::ControlSpec layout;
    layout.kind = platform::ControlKind::TextBox;
    layout.bounds = {192, 56, 241, 74};
    const auto edit = platform->Controls().CreateControl(form, layout, heard);
    platform->Controls().AddBalloonTip(form, edit, {"ハードディスクの空き容量", "━━\r\n一行目", {94, 0, 0}, 1000});

    HWND tip = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), &FindBalloon, reinterpret_cast<LPARAM>(&tip));
    ASSERT_NE(tip, nullptr) << "no balloon tooltip window";
    EXPECT_EQ(::GetWindowLongW(tip, GWL_STYLE) & (TTS_ALWAYSTIP | TTS_BALLOON), TTS_ALWAYSTIP | TTS_BALLOON);
    EXPECT_EQ(::GetWindow(tip, GW_OWNER), Hwnd(form));
    EXPECT_EQ(::SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0), 1);  // the record size was accepted
    EXPECT_EQ(static_cast<COLORREF>(::SendMessageW(tip, TTM_GETTIPTEXTCOLOR, 0, 0)), RGB(94, 0, 0));
    wchar_t text[64] = L"";
    TTTOOLINFOW ti{};
    ti.cbSize = platform::win32::kToolInfoSize;
    ti.hwnd = Hwnd(form);
    ti.uId = reinterpret_cast<UINT_PTR>(Hwnd(edit));
    ti.lpszText = text;
    ::SendMessageW(tip, TTM_GETTEXTW, 64, reinterpret_cast<LPARAM>(&ti));
    EXPECT_EQ(std::wstring(text), L"━━\r\n一行目");
    platform->Windows().DestroyWindow(form);
    EXPECT_FALSE(::IsWindow(tip));  // went with its dialog
}

}  // namespace
