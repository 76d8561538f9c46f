// A test helper for the Windows smoke test: a borderless window over the whole primary monitor, made
// the foreground window, as a film player, a game or a slide show shows itself. With "titled" on its
// command line it has a title bar instead. It ends when closed, or after 60 seconds.
#include <windows.h>

#include <cstring>

namespace {

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = ::BeginPaint(hwnd, &ps);
            HBRUSH brush = ::CreateSolidBrush(RGB(32, 48, 80));
            RECT client;
            ::GetClientRect(hwnd, &client);
            ::FillRect(dc, &client, brush);
            ::DeleteObject(brush);
            ::SetBkMode(dc, TRANSPARENT);
            ::SetTextColor(dc, RGB(255, 255, 255));
            ::DrawTextW(dc, L"full-screen test window", -1, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
            ::EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_TIMER:
            ::DestroyWindow(hwnd);
            return 0;
        case WM_DESTROY:
            ::PostQuitMessage(0);
            return 0;
        default:
            return ::DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.hCursor = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.lpszClassName = L"VigilonFullScreenTest";
    if (!::RegisterClassW(&wc))
        return 1;
    const bool titled = std::strstr(commandLine, "titled") != nullptr;
    const DWORD style = titled ? WS_OVERLAPPEDWINDOW : WS_POPUP;
    HWND hwnd = ::CreateWindowExW(0, wc.lpszClassName, L"full-screen", style, 0, 0, ::GetSystemMetrics(SM_CXSCREEN),
                                  ::GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr, instance, nullptr);
    if (!hwnd)
        return 1;
    ::ShowWindow(hwnd, SW_SHOW);
    ::SetForegroundWindow(hwnd);
    ::SetTimer(hwnd, 1, 60000, nullptr);
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return 0;
}
