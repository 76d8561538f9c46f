// Form windows: creation with an exact client size, painting through a memory DC, and the
// mouse, key and close messages passed to the form's listener.
#include "platform/win32/FormWindow.h"

#include <windowsx.h>

#include <memory>

#include "platform/win32/DpiScaling.h"
#include "platform/win32/FormInput.h"
#include "platform/win32/GdiCanvas.h"
#include "platform/win32/NativeControls.h"
#include "platform/win32/ProgramIcon.h"
#include "platform/win32/TextConversion.h"

namespace platform::win32 {

namespace {

constexpr wchar_t kFormClass[] = L"VigilonForm";
constexpr wchar_t kOwnerClass[] = L"VigilonFormOwner";

ATOM RegisterClassOnce(const wchar_t* name, WNDPROC proc, UINT style) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = style;
    wc.lpfnWndProc = proc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.hCursor = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.lpszClassName = name;
    return ::RegisterClassExW(&wc);
}

ATOM FormClass(WNDPROC proc) {
    // Double clicks for the clock; no class brush: WM_PAINT fills the whole client area itself.
    static const ATOM atom = RegisterClassOnce(kFormClass, proc, CS_DBLCLKS);
    return atom;
}

}  // namespace

DWORD StyleOf(WindowFrame frame) {
    switch (frame) {
        case WindowFrame::ThinBorder:
            return WS_POPUP | WS_BORDER;
        case WindowFrame::Dialog:
            return WS_POPUP | WS_CAPTION | WS_SYSMENU;
        case WindowFrame::None:
            break;
    }
    return WS_POPUP;
}

HWND CreateFormOwner() {
    static const ATOM atom = RegisterClassOnce(kOwnerClass, ::DefWindowProcW, 0);
    if (!atom)
        return nullptr;
    return ::CreateWindowExW(0, kOwnerClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, ::GetModuleHandleW(nullptr),
                             nullptr);
}

HWND FormWindow::Create(const WindowSpec& desc, WindowListener& listener, HWND owner, FontCache& fonts) {
    const ATOM atom = FormClass(&FormWindow::WindowProc);
    if (!atom)
        return nullptr;
    // Child controls paint themselves: the form's painting leaves them out.
    const DWORD style = StyleOf(desc.frame) | WS_CLIPCHILDREN;
    const DWORD exStyle = 0;
    RECT outer{0, 0, desc.clientWidth, desc.clientHeight};
    ::AdjustWindowRectEx(&outer, style, FALSE, exStyle);

    // The window takes the object at WM_NCCREATE and frees it after WM_NCDESTROY; until then it is ours.
    std::unique_ptr<FormWindow> pending(new FormWindow(desc, listener, fonts));
    const std::wstring title = WideFromUtf8(desc.title);
    HWND hwnd = ::CreateWindowExW(exStyle, kFormClass, title.c_str(), style, CW_USEDEFAULT, CW_USEDEFAULT,
                                  outer.right - outer.left, outer.bottom - outer.top, owner, nullptr,
                                  ::GetModuleHandleW(nullptr), &pending);
    if (hwnd)
        SetWindowIcons(hwnd);
    return hwnd;
}

FormWindow* FormWindow::FromHandle(HWND hwnd) {
    if (!hwnd || !::IsWindow(hwnd))
        return nullptr;
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hwnd, &pid);
    if (pid != ::GetCurrentProcessId())
        return nullptr;
    if (::GetClassLongPtrW(hwnd, GCW_ATOM) != FormClass(&FormWindow::WindowProc))
        return nullptr;
    auto* self = reinterpret_cast<FormWindow*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    return self && !self->destroyed_ ? self : nullptr;
}

FormWindow::FormWindow(const WindowSpec& desc, WindowListener& listener, FontCache& fonts)
    : listener_(listener), fonts_(fonts), frame_(desc.frame), background_(ColorRefOf(desc.background)) {}

void FormWindow::SetToolTip(int id, const PixelRect& r, std::string_view text) {
    tips_.Set(hwnd_, id, r, WideFromUtf8(text));
}

LRESULT CALLBACK FormWindow::WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto* pending = static_cast<std::unique_ptr<FormWindow>*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
        FormWindow* created = pending->release();
        created->hwnd_ = hwnd;
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
    }
    auto* self = reinterpret_cast<FormWindow*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self)
        return ::DefWindowProcW(hwnd, msg, wp, lp);
    ++self->depth_;
    const LRESULT result = self->Handle(msg, wp, lp);
    if (--self->depth_ == 0 && self->destroyed_)
        delete self;
    return result;
}

LRESULT FormWindow::Handle(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_ERASEBKGND:
            return 1;  // WM_PAINT covers every pixel
        case WM_MOUSEACTIVATE:
            // A click still reaches the window; only the activation is left out.
            return refuseActivation_ ? MA_NOACTIVATE : ::DefWindowProcW(hwnd_, msg, wp, lp);
        case WM_PAINT:
            Paint();
            return 0;
        case WM_LBUTTONDOWN:
            NoteLeftPress(lp);
            MouseDown(wp, lp, false);
            return 0;
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        // A quick second right or middle press is still a press; only the left button double-clicks.
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDBLCLK:
            MouseDown(wp, lp, false);
            return 0;
        case WM_LBUTTONDBLCLK:
            NoteLeftPress(lp);
            MouseDown(wp, lp, true);
            return 0;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
            MouseUp(wp, lp);
            return 0;
        case WM_MOUSEMOVE:
            // The first move over the window is its enter; the system then tells when the pointer
            // leaves the client area (or a menu or a move loop takes it over).
            if (!pointerTracked_) {
                TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd_, 0};
                pointerTracked_ = ::TrackMouseEvent(&track) != FALSE;
                listener_.OnMouseEnter();
                if (destroyed_)
                    return 0;
            }
            listener_.OnMouseMove(MouseEventOf(wp, lp));
            return 0;
        case WM_MOUSELEAVE:
            pointerTracked_ = false;
            listener_.OnMouseLeave();
            return 0;
        case WM_KEYDOWN:
            listener_.OnKeyDown(static_cast<int>(wp), KeyShiftNow());
            return 0;
        case WM_KEYUP:
            listener_.OnKeyUp(static_cast<int>(wp), KeyShiftNow());
            return 0;
        // The system keys go on to the default handling afterwards, so Alt+F4 still asks to close.
        case WM_SYSKEYDOWN:
            listener_.OnKeyDown(static_cast<int>(wp), KeyShiftNow());
            return destroyed_ ? 0 : ::DefWindowProcW(hwnd_, msg, wp, lp);
        case WM_SYSKEYUP:
            listener_.OnKeyUp(static_cast<int>(wp), KeyShiftNow());
            return destroyed_ ? 0 : ::DefWindowProcW(hwnd_, msg, wp, lp);
        // Alt and a letter is a key for the form (Alt+S of a dialog); left to the default handling it
        // would look for a menu mnemonic, find none and beep. Alt+Space still opens the system menu.
        case WM_SYSCHAR:
            return wp == L' ' ? ::DefWindowProcW(hwnd_, msg, wp, lp) : 0;
        case WM_SETCURSOR:
            if (LOWORD(lp) == HTCLIENT && SetCursorForArea())
                return TRUE;
            return ::DefWindowProcW(hwnd_, msg, wp, lp);
        case WM_COMMAND:
        case WM_HSCROLL:
            if (!RouteControlNotification(msg, wp, lp))
                return ::DefWindowProcW(hwnd_, msg, wp, lp);
            return 0;
        case WM_ACTIVATE:
            // The focus goes back to the control that had it, or to the first in the tab order.
            if (LOWORD(wp) == WA_INACTIVE) {
                HWND focus = ::GetFocus();
                focus_ = focus && ::IsChild(hwnd_, focus) ? focus : focus_;
            } else if (HWND first = ::GetNextDlgTabItem(hwnd_, nullptr, FALSE)) {
                ::SetFocus(focus_ && ::IsWindow(focus_) && ::IsChild(hwnd_, focus_) ? focus_ : first);
                return 0;
            }
            return ::DefWindowProcW(hwnd_, msg, wp, lp);
        case kWmDpiChanged:
            DpiChanged(LOWORD(wp), *reinterpret_cast<const RECT*>(lp));
            return 0;
        case WM_CLOSE:
            listener_.OnCloseRequest();  // the program decides whether the window goes
            return 0;
        case WM_NCDESTROY:
            destroyed_ = true;
            ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
            return ::DefWindowProcW(hwnd_, msg, wp, lp);
        default:
            return ::DefWindowProcW(hwnd_, msg, wp, lp);
    }
}

bool FormWindow::PreTranslate(MSG& msg) {
    if (!msg.hwnd || msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST)
        return false;
    HWND top = ::GetAncestor(msg.hwnd, GA_ROOT);
    FormWindow* form = top != msg.hwnd ? FromHandle(top) : nullptr;
    if (!form)
        return false;  // the form's own keys reach it through its window procedure
    ++form->depth_;
    if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) {
        form->listener_.OnKeyDown(static_cast<int>(msg.wParam), KeyShiftNow());
    } else if (msg.message == WM_KEYUP || msg.message == WM_SYSKEYUP) {
        form->listener_.OnKeyUp(static_cast<int>(msg.wParam), KeyShiftNow());
    }
    const bool closed = form->destroyed_;
    if (--form->depth_ == 0 && form->destroyed_)
        delete form;
    if (closed)
        return true;
    return ::IsDialogMessageW(top, &msg) != FALSE;
}

void FormWindow::SetCursorArea(int id, const PixelRect& r, PointerShape shape) {
    std::erase_if(cursorAreas_, [id](const CursorArea& a) { return a.id == id; });
    if (shape != PointerShape::Arrow)
        cursorAreas_.push_back(CursorArea{id, r, shape});
}

// The shape of the area under the pointer, if it lies in one; otherwise the class's arrow.
bool FormWindow::SetCursorForArea() {
    POINT at{};
    if (cursorAreas_.empty() || !::GetCursorPos(&at) || !::ScreenToClient(hwnd_, &at))
        return false;
    for (const CursorArea& a : cursorAreas_) {
        if (at.x >= a.rect.left && at.x < a.rect.right && at.y >= a.rect.top && at.y < a.rect.bottom) {
            ::SetCursor(::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_HAND)));
            return true;
        }
    }
    return false;
}

void FormWindow::ResizeClient(int clientWidth, int clientHeight) {
    RECT outer{};
    RECT client{};
    if (!::GetWindowRect(hwnd_, &outer) || !::GetClientRect(hwnd_, &client))
        return;
    // The frame keeps whatever size the system gives it at this DPI.
    const int frameWidth = (outer.right - outer.left) - client.right;
    const int frameHeight = (outer.bottom - outer.top) - client.bottom;
    ::SetWindowPos(hwnd_, nullptr, 0, 0, clientWidth + frameWidth, clientHeight + frameHeight,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOOWNERZORDER | SWP_NOACTIVATE);
}

BOOL CALLBACK FormWindow::NotifyOneDpiChanged(HWND hwnd, LPARAM) {
    if (FormWindow* form = FromHandle(hwnd))
        form->listener_.OnDpiChanged();
    return TRUE;
}

void FormWindow::NotifyDpiChanged() {
    ::EnumThreadWindows(::GetCurrentThreadId(), &FormWindow::NotifyOneDpiChanged, 0);
}

// The window went onto a monitor of another scale. The program lays out all its windows at one
// resolution, so all of them follow: this one first takes the place the system suggests.
void FormWindow::DpiChanged(int dpi, const RECT& suggested) {
    if (dpi <= 0 || dpi == CurrentDpi())
        return;
    SetCurrentDpi(dpi);
    ::SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                   suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOOWNERZORDER | SWP_NOACTIVATE);
    NotifyDpiChanged();
}

void FormWindow::MouseDown(WPARAM wp, LPARAM lp, bool doubleClick) {
    // Like a form of the classic toolkits: the window that saw the press gets the moves and the release.
    ::SetCapture(hwnd_);
    const MouseEvent e = MouseEventOf(wp, lp);
    if (doubleClick) {
        listener_.OnDoubleClick(e);
    } else {
        listener_.OnMouseDown(e);
    }
}

void FormWindow::NoteLeftPress(LPARAM lp) {
    POINT at{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    ::ClientToScreen(hwnd_, &at);
    leftPress_ = at;
}

void FormWindow::MouseUp(WPARAM wp, LPARAM lp) {
    if (MouseButtonsFromKeyState(wp) == 0 && ::GetCapture() == hwnd_)
        ::ReleaseCapture();
    if (!(wp & MK_LBUTTON))
        leftPress_.reset();
    listener_.OnMouseUp(MouseEventOf(wp, lp));
}

void FormWindow::Paint() {
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(hwnd_, &ps);
    if (!dc)
        return;
    const RECT area = ps.rcPaint;
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    HDC memory = width > 0 && height > 0 ? ::CreateCompatibleDC(dc) : nullptr;
    HBITMAP bitmap = memory ? ::CreateCompatibleBitmap(dc, width, height) : nullptr;
    if (bitmap) {
        HGDIOBJ oldBitmap = ::SelectObject(memory, bitmap);
        // The buffer covers the invalid area only; the origin shift keeps client coordinates.
        ::SetViewportOrgEx(memory, -area.left, -area.top, nullptr);
        ::SetDCBrushColor(memory, background_);
        ::FillRect(memory, &area, static_cast<HBRUSH>(::GetStockObject(DC_BRUSH)));
        {
            GdiCanvas canvas(memory, fonts_);
            canvas.SetPaintArea({area.left, area.top, area.right, area.bottom});
            listener_.OnPaint(canvas);
        }
        ::SetViewportOrgEx(memory, 0, 0, nullptr);
        if (!destroyed_)
            ::BitBlt(dc, area.left, area.top, width, height, memory, 0, 0, SRCCOPY);
        ::SelectObject(memory, oldBitmap);
        ::DeleteObject(bitmap);
    }
    if (memory)
        ::DeleteDC(memory);
    ::EndPaint(hwnd_, &ps);
}

}  // namespace platform::win32
