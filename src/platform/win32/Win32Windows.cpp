// Our windows on Windows: form windows owned by one hidden top-level window.
#include "platform/win32/Win32Windows.h"

#include "platform/win32/DpiScaling.h"
#include "platform/win32/FormWindow.h"
#include "platform/win32/NativeControls.h"
#include "platform/win32/ProcessServices.h"
#include "platform/win32/ToolTips.h"

namespace platform::win32 {

namespace {
HWND HwndOf(WindowHandle w) {
    return reinterpret_cast<HWND>(w);
}
}  // namespace

Win32Windows::Win32Windows(FontCache& fonts) : fonts_(fonts) {
    DeclareDpiAwareness();
    InitCommonControlsOnce();
    owner_ = CreateFormOwner();
    // The owner sits at the origin, on the primary monitor: its scale may be newer than the system
    // DPI, which Windows fixes at sign-in.
    if (const int dpi = DpiOfWindow(owner_))
        SetCurrentDpi(dpi);
}

Win32Windows::~Win32Windows() {
    if (owner_)
        ::DestroyWindow(owner_);
}

WindowHandle Win32Windows::CreateFormWindow(const WindowSpec& desc, WindowListener& listener) {
    return reinterpret_cast<WindowHandle>(FormWindow::Create(desc, listener, owner_, fonts_));
}

int Win32Windows::ScreenDpi() {
    return CurrentDpi();
}

void Win32Windows::ResizeClient(WindowHandle w, int clientWidth, int clientHeight) {
    if (FormWindow* form = FormWindow::FromHandle(HwndOf(w)))
        form->ResizeClient(clientWidth, clientHeight);
}

void Win32Windows::DestroyWindow(WindowHandle w) {
    ::DestroyWindow(HwndOf(w));
}

void Win32Windows::SetVisible(WindowHandle w, bool visible) {
    HWND hwnd = HwndOf(w);
    if (!visible) {
        ::ShowWindow(hwnd, SW_HIDE);
        return;
    }
    const FormWindow* form = FormWindow::FromHandle(hwnd);
    const bool activate = form && form->Frame() == WindowFrame::Dialog && !form->RefusesActivation();
    ::ShowWindow(hwnd, activate ? SW_SHOW : SW_SHOWNOACTIVATE);
}

bool Win32Windows::IsVisible(WindowHandle w) {
    return ::IsWindowVisible(HwndOf(w)) != FALSE;
}

void Win32Windows::MoveWindow(WindowHandle w, int left, int top) {
    ::SetWindowPos(HwndOf(w), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Windows::Invalidate(WindowHandle w, const PixelRect& r) {
    const RECT rc = RectOf(r);
    ::InvalidateRect(HwndOf(w), &rc, FALSE);
}

// A shown window is activated as well, as the program has always made its bar topmost. A hidden one
// is not: Wine would make it the foreground window and take the keyboard from the bar.
void Win32Windows::SetTopMost(WindowHandle w) {
    HWND hwnd = HwndOf(w);
    const FormWindow* form = FormWindow::FromHandle(hwnd);
    const bool refuses = form && form->RefusesActivation();
    const UINT activation = ::IsWindowVisible(hwnd) && !refuses ? 0 : SWP_NOACTIVATE;
    ::SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | activation);
}

void Win32Windows::SetTranslucency(WindowHandle w, std::uint8_t alpha) {
    HWND hwnd = HwndOf(w);
    ::SetWindowLongW(hwnd, GWL_EXSTYLE, WS_EX_LAYERED);
    ::SetLayeredWindowAttributes(hwnd, 0, alpha, LWA_ALPHA);
}

void Win32Windows::SetToolTip(WindowHandle w, int id, const PixelRect& r, std::string_view text) {
    if (FormWindow* form = FormWindow::FromHandle(HwndOf(w)))
        form->SetToolTip(id, r, text);
}

Color Win32Windows::SystemColorValue(SystemColor c) {
    int index = COLOR_WINDOW;
    switch (c) {
        case SystemColor::WindowText:
            index = COLOR_WINDOWTEXT;
            break;
        case SystemColor::Window:
            index = COLOR_WINDOW;
            break;
        case SystemColor::InfoBackground:
            index = COLOR_INFOBK;
            break;
        case SystemColor::ButtonFace:
            index = COLOR_BTNFACE;
            break;
        case SystemColor::ButtonText:
            index = COLOR_BTNTEXT;
            break;
        case SystemColor::ButtonHighlight:
            index = COLOR_BTNHIGHLIGHT;
            break;
    }
    const COLORREF rgb = ::GetSysColor(index);
    return Color{GetRValue(rgb), GetGValue(rgb), GetBValue(rgb)};
}

void Win32Windows::ShowMessageBox(std::string_view text, std::string_view caption, MessageIcon icon) {
    HWND active = ::GetActiveWindow();
    ShowOkMessageBox(FormWindow::FromHandle(active) ? active : nullptr, text, caption, icon);
}

void Win32Windows::SetCursorArea(WindowHandle w, int id, const PixelRect& r, PointerShape shape) {
    if (FormWindow* form = FormWindow::FromHandle(HwndOf(w)))
        form->SetCursorArea(id, r, shape);
}

void Win32Windows::ResizeWindow(WindowHandle w, int width, int height) {
    ::SetWindowPos(HwndOf(w), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Windows::SetRoundedRegion(WindowHandle w, const PixelRect& r, int ellipseWidth, int ellipseHeight) {
    HRGN region = ::CreateRoundRectRgn(r.left, r.top, r.right, r.bottom, ellipseWidth, ellipseHeight);
    if (region && !::SetWindowRgn(HwndOf(w), region, TRUE))
        ::DeleteObject(region);  // refused: still ours
}

void Win32Windows::SetNoActivate(WindowHandle w) {
    if (FormWindow* form = FormWindow::FromHandle(HwndOf(w)))
        form->RefuseActivation();
}

void Win32Windows::Activate(WindowHandle w) {
    HWND hwnd = HwndOf(w);
    ::ShowWindow(hwnd, SW_SHOW);
    ::SetForegroundWindow(hwnd);
}

}  // namespace platform::win32
