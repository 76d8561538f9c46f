// Real form windows under Win32: frame geometry, styles for the bar, and the messages the form's
// listener receives.
#include "platform/win32/FormWindow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "Win32TestSupport.h"
#include "platform/win32/DpiScaling.h"

namespace {

using platform::WindowFrame;
using vigilon_test::Event;
using vigilon_test::PumpUntil;

using FormWindowTest = vigilon_test::Win32WindowTest;

// The sizes each frame gives (the client as asked, the calendar's border outside it): wine_smoke.sh
// finds the bar, the calendar and the about dialog by them.
TEST_F(FormWindowTest, FramesHaveTheirStylesAndShareOneHiddenOwner) {
    HWND bar = Hwnd(Open(WindowFrame::None, 232, 20, listener));
    HWND calendar = Hwnd(Open(WindowFrame::ThinBorder, 138, 136, listener));
    HWND dialog = Hwnd(Open(WindowFrame::Dialog, 300, 200, listener));
    const auto style = [](HWND h, DWORD mask) { return static_cast<DWORD>(::GetWindowLongW(h, GWL_STYLE)) & mask; };
    EXPECT_EQ(style(bar, WS_POPUP | WS_BORDER | WS_DLGFRAME | WS_SYSMENU | WS_THICKFRAME), WS_POPUP);
    EXPECT_EQ(style(calendar, WS_POPUP | WS_BORDER | WS_DLGFRAME), WS_POPUP | WS_BORDER);
    EXPECT_EQ(style(dialog, WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX),
              WS_CAPTION | WS_SYSMENU);
    // No taskbar button: owned by one hidden window, and neither a tool window nor an app window.
    HWND owner = ::GetWindow(bar, GW_OWNER);
    ASSERT_NE(owner, nullptr);
    EXPECT_EQ(std::pair(::IsWindowVisible(owner), ::GetParent(owner)), std::pair(FALSE, HWND{}));
    for (HWND h : {bar, calendar, dialog})  // created hidden
        EXPECT_EQ(std::tuple(::IsWindowVisible(h), ::GetWindow(h, GW_OWNER),
                             ::GetWindowLongW(h, GWL_EXSTYLE) & (WS_EX_TOOLWINDOW | WS_EX_APPWINDOW)),
                  std::tuple(FALSE, owner, 0L));
}

TEST_F(FormWindowTest, TranslucentThenTopMostBarKeepsItsSize) {
    const auto w = Open(WindowFrame::None, 232, 20, listener);
    HWND bar = Hwnd(w);
    platform->Windows().SetTranslucency(w, 100);
    EXPECT_EQ(::GetWindowLongW(bar, GWL_EXSTYLE), WS_EX_LAYERED);  // the whole extended style
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(::GetLayeredWindowAttributes(bar, nullptr, &alpha, &flags));
    EXPECT_EQ(std::tuple(alpha, flags), std::tuple(100, static_cast<DWORD>(LWA_ALPHA)));
    platform->Windows().SetTopMost(w);  // the start-up order: translucent first, then topmost
    EXPECT_EQ(::GetWindowLongW(bar, GWL_EXSTYLE), WS_EX_LAYERED | WS_EX_TOPMOST);
    platform->Windows().MoveWindow(w, 300, -2);
    EXPECT_EQ(platform->Desktop().GetWindowRect(w), (platform::PixelRect{300, -2, 532, 18}));
}

TEST_F(FormWindowTest, MouseAndKeysReachTheListenerWithCapture) {
    HWND bar = Hwnd(Open(WindowFrame::None, 232, 20, listener));
    EXPECT_TRUE(::GetClassLongW(bar, GCL_STYLE) & CS_DBLCLKS);
    const struct {
        UINT msg;
        WPARAM wp;
        short x, y;
        Event expected;
        bool captured, altAndShiftKeys = false;
    } steps[] = {
        // clang-format off
        {WM_RBUTTONDOWN, MK_LBUTTON | MK_RBUTTON | MK_CONTROL, -3, 5, {'d', 3, 2, -3, 5}, true},
        {WM_MOUSEMOVE, MK_LBUTTON | MK_SHIFT, 250, -7, {'m', 1, 1, 250, -7}, true},
        {WM_RBUTTONUP, MK_LBUTTON, 250, -7, {'u', 1, 0, 250, -7}, true},  // the left button is still held
        {WM_LBUTTONUP, 0, 1, 1, {'u', 0, 0, 1, 1}, false},
        {WM_MBUTTONDOWN, MK_MBUTTON, 0, 0, {'d', 4}, true}, {WM_MBUTTONUP, 0, 0, 0, {'u'}, false},
        {WM_LBUTTONDBLCLK, MK_LBUTTON, 200, 10, {'c', 1, 0, 200, 10}, true},
        {WM_RBUTTONDBLCLK, MK_RBUTTON, 20, 10, {'d', 2, 0, 20, 10}, true},  // a quick second right press
        {WM_RBUTTONUP, 0, 20, 10, {'u', 0, 0, 20, 10}, false},
        // Alt comes from the keyboard state, not from the message.
        {WM_MOUSEMOVE, MK_SHIFT, 1, 2, {'m', 0, 1 | 4, 1, 2}, false, true},
        {WM_KEYUP, VK_RETURN, 0, 0, {'k', VK_RETURN, 1 | 4}, false, true},
        {WM_KEYDOWN, VK_LEFT, 0, 0, {'K', VK_LEFT}, false},
    };
    // clang-format on
    BYTE saved[256], keys[256];
    ::GetKeyboardState(saved);
    ::GetKeyboardState(keys);
    for (const auto& s : steps) {
        keys[VK_MENU] = keys[VK_SHIFT] = s.altAndShiftKeys ? 0x80 : 0;
        ::SetKeyboardState(keys);
        ::SendMessageW(bar, s.msg, s.wp, MAKELPARAM(s.x, s.y));
        ASSERT_FALSE(listener.events.empty());
        EXPECT_EQ(listener.events.back(), s.expected) << s.msg << " " << s.x;
        EXPECT_EQ(::GetCapture() == bar, s.captured) << s.msg << " " << s.x;
    }
    ::SetKeyboardState(saved);

    // The first move over the window is its enter; after its leave the next move enters again.
    const auto count = [&](char kind) {
        return std::count_if(listener.events.begin(), listener.events.end(),
                             [&](const Event& e) { return e.kind == kind; });
    };
    EXPECT_EQ(count('e'), 1);
    EXPECT_EQ(listener.events.front().kind, 'd');  // a press without a move before it enters nothing
    ::SendMessageW(bar, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(listener.events.back(), Event{'l'});
    ::SendMessageW(bar, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(count('e'), 2);
}

TEST_F(FormWindowTest, CloseIsOnlyARequestAndHandlersMayDestroyTheirWindow) {
    HWND dialog = Hwnd(Open(WindowFrame::Dialog, 100, 100, listener));
    ::SendMessageW(dialog, WM_CLOSE, 0, 0);
    ::SendMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(listener.events, (std::vector<Event>{{'x'}, {'x'}}));
    EXPECT_TRUE(::IsWindow(dialog));
    HWND doomed = dialog;
    listener.then = [&](char kind) {
        if (kind != 'K')
            platform->Windows().DestroyWindow(reinterpret_cast<platform::WindowHandle>(doomed));
    };
    ::SendMessageW(dialog, WM_SYSKEYDOWN, VK_F4, 1 << 29);  // Alt+F4 goes through the default handling
    EXPECT_TRUE(PumpUntil([&] { return !::IsWindow(dialog); }));
    EXPECT_EQ(listener.events.back(), Event{'x'});

    doomed = Hwnd(Open(WindowFrame::None, 232, 20, listener));
    ::SendMessageW(doomed, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    EXPECT_EQ(std::tuple(::IsWindow(doomed), platform::win32::FormWindow::FromHandle(doomed), ::GetCapture() == doomed),
              std::tuple(FALSE, nullptr, false));
}

TEST_F(FormWindowTest, PaintsThroughTheListenerWithTheBackgroundFirst) {
    const auto w = platform->Windows().CreateFormWindow(
        platform::WindowSpec{"", 40, 20, WindowFrame::None, {0, 0, 255}}, listener);
    listener.paint = [](platform::Canvas& c) { c.FillRect({10, 0, 20, 20}, {255, 0, 0}); };
    platform->Windows().MoveWindow(w, 50, 50);
    platform->Windows().SetVisible(w, true);
    ::UpdateWindow(Hwnd(w));
    EXPECT_TRUE(PumpUntil([&] { return !listener.events.empty(); }));
    platform->Windows().Invalidate(w, {0, 0, 5, 5});
    EXPECT_TRUE(PumpUntil([&] { return listener.events.size() > 1; }));
    HDC dc = ::GetDC(Hwnd(w));
    EXPECT_EQ(std::pair(::GetPixel(dc, 2, 2), ::GetPixel(dc, 15, 10)), std::pair(RGB(0, 0, 255), RGB(255, 0, 0)));
    ::ReleaseDC(Hwnd(w), dc);
}

// A window moved onto a monitor of another scale: it takes the place Windows suggests, the resolution
// changes for the whole program, and every form window hears of it and can take its new size.
TEST_F(FormWindowTest, ADpiChangeReachesEveryFormWindowWhichKeepsItsCorner) {
    vigilon_test::RecordingListener other;
    const auto bar = Open(WindowFrame::None, 232, 20, listener);
    const auto calendar = Open(WindowFrame::ThinBorder, 138, 136, other);
    platform->Windows().MoveWindow(calendar, 40, 60);
    const int before = platform->Windows().ScreenDpi();
    EXPECT_EQ(before, platform::win32::SystemDpi());  // one monitor: its DPI is the system DPI
    const int after = before == 144 ? 192 : 144;

    RECT suggested{300, 200, 300 + 348, 200 + 30};
    ::SendMessageW(Hwnd(bar), platform::win32::kWmDpiChanged, MAKEWPARAM(after, after),
                   reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(platform->Windows().ScreenDpi(), after);
    EXPECT_EQ(platform->Desktop().GetWindowRect(bar), (platform::PixelRect{300, 200, 648, 230}));
    EXPECT_EQ(std::pair(listener.events, other.events),
              std::pair(std::vector<Event>{{'r'}}, std::vector<Event>{{'r'}}));
    // The same resolution again is no change.
    ::SendMessageW(Hwnd(bar), platform::win32::kWmDpiChanged, MAKEWPARAM(after, after),
                   reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(listener.events.size(), 1u);

    platform->Windows().ResizeClient(calendar, 207, 204);
    RECT client{};
    ::GetClientRect(Hwnd(calendar), &client);
    const platform::PixelRect outer = platform->Desktop().GetWindowRect(calendar);
    EXPECT_EQ(std::tuple(client.right, client.bottom, outer.left, outer.top), std::tuple(207, 204, 40, 60));
    platform->Windows().DestroyWindow(calendar);  // before its listener goes
    platform::win32::SetCurrentDpi(before);
}

}  // namespace
