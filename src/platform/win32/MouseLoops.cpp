// The modal loops the user drives with the mouse: moving a window by its body, and popup menus.
#include "platform/win32/FormWindow.h"
#include "platform/win32/TextConversion.h"
#include "platform/win32/Win32Windows.h"

namespace platform::win32 {

void Win32Windows::ReleaseCapture() {
    ::ReleaseCapture();
}

// The window takes a press on its body for a press on its caption, and the system's move loop runs
// until the button goes up.
// The system's loop moves the window from where the pointer is when it starts; the motion that
// started the drag has already taken the pointer some way from the press, so the window goes that
// way first.
void Win32Windows::DragMove(WindowHandle w) {
    HWND hwnd = reinterpret_cast<HWND>(w);
    POINT now{};
    RECT r{};
    const FormWindow* form = FormWindow::FromHandle(hwnd);
    if (form && form->LeftPress() && ::GetCursorPos(&now) && ::GetWindowRect(hwnd, &r)) {
        const POINT press = *form->LeftPress();
        if (now.x != press.x || now.y != press.y) {
            ::SetWindowPos(hwnd, nullptr, r.left + now.x - press.x, r.top + now.y - press.y, 0, 0,
                           SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    ::SendMessageW(hwnd, WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

int Win32Windows::TrackPopupMenu(WindowHandle owner, const std::vector<std::string>& captions, PixelPoint at) {
    HMENU menu = ::CreatePopupMenu();
    if (!menu)
        return -1;
    for (std::size_t i = 0; i < captions.size(); ++i) {
        if (captions[i] == "-") {
            ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        } else {
            const std::wstring text = WideFromUtf8(captions[i]);
            ::AppendMenuW(menu, MF_STRING, i + 1, text.c_str());
        }
    }
    // Command ids are index + 1, since 0 is what the call returns when nothing was chosen.
    const UINT flags = TPM_CENTERALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY;
    const BOOL chosen = ::TrackPopupMenu(menu, flags, at.x, at.y, 0, reinterpret_cast<HWND>(owner), nullptr);
    ::DestroyMenu(menu);
    return chosen > 0 ? static_cast<int>(chosen) - 1 : -1;
}

}  // namespace platform::win32
