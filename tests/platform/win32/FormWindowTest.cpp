// Real form windows under Win32: frame geometry, styles for the bar, and the messages the form's
// listener receives.
#include "platform/win32/FormWindow.h"

#include <gtest/gtest.h>

#include "Win32TestSupport.h"

namespace {

using platform::WindowFrame;
using platform::WindowSpec;
using vigilon_test::PumpUntil;
using vigilon_test::RecordingListener;

class FormWindowTest : public vigilon_test::Win32WindowTest {
protected:
    HWND Create(WindowFrame frame, int width, int height, RecordingListener& to) {
        WindowSpec desc;
        desc.title = "Vigilon";
        desc.clientWidth = width;
        desc.clientHeight = height;
        desc.frame = frame;
        const platform::WindowHandle w = platform->CreateFormWindow(desc, to);
        EXPECT_NE(w, 0u);
        return Hwnd(w);
    }
    static SIZE ClientSize(HWND h) {
        RECT rc{};
        ::GetClientRect(h, &rc);
        return SIZE{rc.right - rc.left, rc.bottom - rc.top};
    }
    RecordingListener listener;
};

TEST_F(FormWindowTest, BarClientAreaIsExactlyItsPixels) {
    HWND bar = Create(WindowFrame::None, 232, 20, listener);
    const SIZE client = ClientSize(bar);
    EXPECT_EQ(client.cx, 232);
    EXPECT_EQ(client.cy, 20);
    const platform::PixelRect outer = platform->GetWindowRect(reinterpret_cast<platform::WindowHandle>(bar));
    EXPECT_EQ(outer.Width(), 232);
    EXPECT_EQ(outer.Height(), 20);
    const LONG style = ::GetWindowLongW(bar, GWL_STYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_FALSE(style & (WS_BORDER | WS_DLGFRAME | WS_SYSMENU | WS_THICKFRAME));
    EXPECT_FALSE(::IsWindowVisible(bar));  // created hidden
    platform->DestroyWindow(reinterpret_cast<platform::WindowHandle>(bar));
    EXPECT_FALSE(::IsWindow(bar));
}

TEST_F(FormWindowTest, BorderAndCaptionFramesGrowOutsideTheClientArea) {
    HWND thin = Create(WindowFrame::ThinBorder, 138, 136, listener);
    EXPECT_EQ(ClientSize(thin).cx, 138);
    EXPECT_EQ(ClientSize(thin).cy, 136);
    RECT outer{};
    ::GetWindowRect(thin, &outer);
    EXPECT_EQ(outer.right - outer.left, 138 + 2 * ::GetSystemMetrics(SM_CXBORDER));
    EXPECT_EQ(outer.bottom - outer.top, 136 + 2 * ::GetSystemMetrics(SM_CYBORDER));
    EXPECT_FALSE(::GetWindowLongW(thin, GWL_STYLE) & WS_DLGFRAME);  // no caption

    RecordingListener dialogListener;
    HWND dialog = Create(WindowFrame::Dialog, 300, 200, dialogListener);
    EXPECT_EQ(ClientSize(dialog).cx, 300);
    EXPECT_EQ(ClientSize(dialog).cy, 200);
    const LONG style = ::GetWindowLongW(dialog, GWL_STYLE);
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    ::GetWindowRect(dialog, &outer);
    EXPECT_GE(outer.bottom - outer.top, 200 + ::GetSystemMetrics(SM_CYCAPTION));
}

TEST_F(FormWindowTest, OwnedByOneHiddenWindowInsteadOfBeingAToolWindow) {
    HWND a = Create(WindowFrame::None, 232, 20, listener);
    RecordingListener other;
    HWND b = Create(WindowFrame::Dialog, 100, 100, other);
    HWND owner = ::GetWindow(a, GW_OWNER);
    ASSERT_NE(owner, nullptr);
    EXPECT_EQ(::GetWindow(b, GW_OWNER), owner);
    EXPECT_FALSE(::IsWindowVisible(owner));
    EXPECT_EQ(::GetParent(owner), nullptr);
    for (HWND h : {a, b}) {
        EXPECT_FALSE(::GetWindowLongW(h, GWL_EXSTYLE) & (WS_EX_TOOLWINDOW | WS_EX_APPWINDOW));
    }
}

TEST_F(FormWindowTest, TranslucencyReplacesTheWholeExtendedStyle) {
    HWND bar = Create(WindowFrame::None, 232, 20, listener);
    const auto w = reinterpret_cast<platform::WindowHandle>(bar);
    platform->SetTranslucency(w, 100);
    EXPECT_EQ(::GetWindowLongW(bar, GWL_EXSTYLE), WS_EX_LAYERED);
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(::GetLayeredWindowAttributes(bar, nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, 100);
    EXPECT_EQ(flags, static_cast<DWORD>(LWA_ALPHA));
    // The start-up order: translucent first, then topmost.
    platform->SetTopMost(w);
    EXPECT_EQ(::GetWindowLongW(bar, GWL_EXSTYLE), WS_EX_LAYERED | WS_EX_TOPMOST);
}

TEST_F(FormWindowTest, TopMostAndMoveKeepTheSize) {
    HWND bar = Create(WindowFrame::None, 232, 20, listener);
    const auto w = reinterpret_cast<platform::WindowHandle>(bar);
    platform->SetTopMost(w);
    EXPECT_TRUE(::GetWindowLongW(bar, GWL_EXSTYLE) & WS_EX_TOPMOST);
    platform->MoveWindow(w, 300, -2);
    EXPECT_EQ(platform->GetWindowRect(w), (platform::PixelRect{300, -2, 532, 18}));
    platform->SetVisible(w, true);
    EXPECT_TRUE(platform->IsVisible(w));
    platform->SetVisible(w, false);
    EXPECT_FALSE(platform->IsVisible(w));
}

TEST_F(FormWindowTest, MouseButtonsModifiersAndSignedCoordinates) {
    HWND bar = Create(WindowFrame::None, 232, 20, listener);
    ::SendMessageW(bar, WM_RBUTTONDOWN, MK_LBUTTON | MK_RBUTTON | MK_CONTROL, MAKELPARAM(-3, 5));
    EXPECT_EQ(::GetCapture(), bar);
    ::SendMessageW(bar, WM_MOUSEMOVE, MK_LBUTTON | MK_SHIFT, MAKELPARAM(250, -7));
    ::SendMessageW(bar, WM_RBUTTONUP, MK_LBUTTON, MAKELPARAM(250, -7));
    EXPECT_EQ(::GetCapture(), bar);  // the left button is still held
    ::SendMessageW(bar, WM_LBUTTONUP, 0, MAKELPARAM(1, 1));
    EXPECT_NE(::GetCapture(), bar);
    ::SendMessageW(bar, WM_MBUTTONDOWN, MK_MBUTTON, 0);
    ::SendMessageW(bar, WM_MBUTTONUP, 0, 0);

    ASSERT_EQ(listener.mouse.size(), 6u);
    const auto& down = listener.mouse[0];
    EXPECT_EQ(down.kind, 'd');
    EXPECT_EQ(down.e.button, 3);
    EXPECT_EQ(down.e.shift, 2);
    EXPECT_EQ(down.e.x, -3);
    EXPECT_EQ(down.e.y, 5);
    EXPECT_EQ(listener.mouse[1].kind, 'm');
    EXPECT_EQ(listener.mouse[1].e.button, 1);
    EXPECT_EQ(listener.mouse[1].e.shift, 1);
    EXPECT_EQ(listener.mouse[1].e.y, -7);
    EXPECT_EQ(listener.mouse[2].kind, 'u');
    EXPECT_EQ(listener.mouse[2].e.button, 1);  // what is still held
    EXPECT_EQ(listener.mouse[4].e.button, 4);
}

TEST_F(FormWindowTest, DoubleClicksAndAltFromTheKeyboardState) {
    HWND bar = Create(WindowFrame::None, 232, 20, listener);
    EXPECT_TRUE(::GetClassLongW(bar, GCL_STYLE) & CS_DBLCLKS);
    ::SendMessageW(bar, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(200, 10));
    ::SendMessageW(bar, WM_LBUTTONUP, 0, MAKELPARAM(200, 10));
    ::SendMessageW(bar, WM_RBUTTONDBLCLK, MK_RBUTTON, MAKELPARAM(20, 10));  // a second right press
    ::SendMessageW(bar, WM_RBUTTONUP, 0, MAKELPARAM(20, 10));

    BYTE saved[256];
    ::GetKeyboardState(saved);
    BYTE keys[256];
    ::GetKeyboardState(keys);
    keys[VK_MENU] = 0x80;
    keys[VK_SHIFT] = 0x80;
    ::SetKeyboardState(keys);
    ::SendMessageW(bar, WM_MOUSEMOVE, MK_SHIFT, MAKELPARAM(1, 2));
    ::SendMessageW(bar, WM_KEYUP, VK_RETURN, 0);
    ::SetKeyboardState(saved);
    ::SendMessageW(bar, WM_KEYDOWN, VK_LEFT, 0);

    ASSERT_EQ(listener.mouse.size(), 5u);
    EXPECT_EQ(listener.mouse[0].kind, 'c');
    EXPECT_EQ(listener.mouse[0].e.x, 200);
    EXPECT_EQ(listener.mouse[2].kind, 'd');
    EXPECT_EQ(listener.mouse[2].e.button, 2);
    EXPECT_EQ(listener.mouse[4].e.shift, 1 | 4);
    ASSERT_EQ(listener.keys.size(), 2u);
    EXPECT_EQ(listener.keys[0].kind, 'u');
    EXPECT_EQ(listener.keys[0].code, VK_RETURN);
    EXPECT_EQ(listener.keys[0].shift, 1 | 4);
    EXPECT_EQ(listener.keys[1].kind, 'd');
    EXPECT_EQ(listener.keys[1].code, VK_LEFT);
    EXPECT_EQ(listener.keys[1].shift, 0);
}

TEST_F(FormWindowTest, CloseIsOnlyARequest) {
    HWND dialog = Create(WindowFrame::Dialog, 100, 100, listener);
    ::SendMessageW(dialog, WM_CLOSE, 0, 0);
    ::SendMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(listener.closeRequests, 2);
    EXPECT_TRUE(::IsWindow(dialog));
}

TEST_F(FormWindowTest, AHandlerMayDestroyItsOwnWindow) {
    HWND bar = Create(WindowFrame::None, 232, 20, listener);
    const auto w = reinterpret_cast<platform::WindowHandle>(bar);
    listener.onMouse = [&](const platform::MouseEvent&) { platform->DestroyWindow(w); };
    ::SendMessageW(bar, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    EXPECT_FALSE(::IsWindow(bar));
    EXPECT_EQ(platform::win32::FormWindow::FromHandle(bar), nullptr);
    EXPECT_NE(::GetCapture(), bar);

    RecordingListener closing;
    HWND dialog = Create(WindowFrame::Dialog, 100, 100, closing);
    closing.onClose = [&] { platform->DestroyWindow(reinterpret_cast<platform::WindowHandle>(dialog)); };
    ::SendMessageW(dialog, WM_SYSKEYDOWN, VK_F4, 1 << 29);  // Alt+F4 goes through the default handling
    EXPECT_TRUE(PumpUntil([&] { return closing.closeRequests == 1; }));
    EXPECT_FALSE(::IsWindow(dialog));
}

TEST_F(FormWindowTest, ATimerTickMayDestroyWindowsAndItsOwnTimer) {
    HWND bar = Create(WindowFrame::None, 232, 20, listener);
    RecordingListener calendarListener;
    HWND calendar = Create(WindowFrame::ThinBorder, 138, 136, calendarListener);
    platform::TimerId id = 0;
    int ticks = 0;
    id = platform->StartTimer(10, [&] {
        ++ticks;
        platform->StopTimer(id);
        platform->DestroyWindow(reinterpret_cast<platform::WindowHandle>(calendar));
        platform->DestroyWindow(reinterpret_cast<platform::WindowHandle>(bar));
    });
    EXPECT_TRUE(PumpUntil([&] { return !::IsWindow(bar) && !::IsWindow(calendar); }));
    vigilon_test::PumpFor(100);
    EXPECT_EQ(ticks, 1);
}

TEST_F(FormWindowTest, PaintsThroughTheListenerWithTheBackgroundFirst) {
    WindowSpec desc;
    desc.clientWidth = 40;
    desc.clientHeight = 20;
    desc.background = {0, 0, 255};
    const auto w = platform->CreateFormWindow(desc, listener);
    HWND h = Hwnd(w);
    listener.paint = [](platform::Canvas& c) { c.FillRect({10, 0, 20, 20}, {255, 0, 0}); };
    platform->MoveWindow(w, 50, 50);
    platform->SetVisible(w, true);
    ::UpdateWindow(h);
    EXPECT_TRUE(PumpUntil([&] { return listener.paints > 0; }));
    const int before = listener.paints;
    platform->Invalidate(w, {0, 0, 5, 5});
    EXPECT_TRUE(PumpUntil([&] { return listener.paints > before; }));

    HDC dc = ::GetDC(h);
    EXPECT_EQ(::GetPixel(dc, 2, 2), RGB(0, 0, 255));
    EXPECT_EQ(::GetPixel(dc, 15, 10), RGB(255, 0, 0));
    ::ReleaseDC(h, dc);
}

}  // namespace
