// One native window of a form: its window class, frame styles, double-buffered painting, input
// routed to the form's listener, and its tooltips. Every form window is owned by one hidden
// top-level window, which keeps it off the taskbar without making it a tool window.
#pragma once

#include <windows.h>

#include <optional>
#include <vector>

#include "platform/Platform.h"
#include "platform/win32/ToolTips.h"

namespace platform::win32 {

class FontCache;

// The style and extended style of a frame: WS_POPUP with no border, a one-pixel border, or a caption
// with a close box; never resizable.
DWORD StyleOf(WindowFrame frame);

// The hidden top-level window that owns every form window. Never shown.
HWND CreateFormOwner();

class FormWindow {
public:
    // A hidden window whose client area is exactly the requested size; nullptr on failure.
    static HWND Create(const WindowSpec& desc, WindowListener& listener, HWND owner, FontCache& fonts);
    // The live form window behind a handle of this process, or nullptr.
    static FormWindow* FromHandle(HWND hwnd);

    WindowFrame Frame() const { return frame_; }
    // Key preview and dialog keys for a message bound for one of a form's child controls: the form
    // sees the key first, then Tab, Shift+Tab and the access keys move or click as in a dialog.
    // True when the message has been handled (or the form closed) and must not be dispatched.
    static bool PreTranslate(MSG& msg);
    // A window that refuses activation is never made the active window: not when shown, raised or clicked.
    bool RefusesActivation() const { return refuseActivation_; }
    void RefuseActivation() { refuseActivation_ = true; }
    // Resizes the window so its client area is this size; the top-left corner stays.
    void ResizeClient(int clientWidth, int clientHeight);
    // Tells every form window of this thread that the DPI changed.
    static void NotifyDpiChanged();
    void SetToolTip(int id, const PixelRect& r, std::string_view text);
    HWND ToolTipWindow() const { return tips_.Window(); }
    // The pointer's shape over r; Arrow removes the area of this id.
    void SetCursorArea(int id, const PixelRect& r, PointerShape shape);
    // Where the left button held now was pressed on the window (screen pixels), if it was.
    const std::optional<POINT>& LeftPress() const { return leftPress_; }

    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;
    ~FormWindow() = default;

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    static BOOL CALLBACK NotifyOneDpiChanged(HWND hwnd, LPARAM);
    FormWindow(const WindowSpec& desc, WindowListener& listener, FontCache& fonts);
    LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
    void Paint();
    void MouseDown(WPARAM wp, LPARAM lp, bool doubleClick);
    void NoteLeftPress(LPARAM lp);
    void MouseUp(WPARAM wp, LPARAM lp);
    bool SetCursorForArea();
    void DpiChanged(int dpi, const RECT& suggested);

    HWND hwnd_ = nullptr;
    WindowListener& listener_;
    FontCache& fonts_;
    WindowFrame frame_;
    COLORREF background_;
    ToolTips tips_;
    struct CursorArea {
        int id;
        PixelRect rect;
        PointerShape shape;
    };
    std::vector<CursorArea> cursorAreas_;
    // Handlers may destroy their own window; the object outlives the outermost message of it.
    int depth_ = 0;
    bool destroyed_ = false;
    HWND focus_ = nullptr;  // the child control that had the focus when the window was last deactivated
    bool refuseActivation_ = false;
    bool pointerTracked_ = false;  // over the window, its leave asked for (TrackMouseEvent)
    std::optional<POINT> leftPress_;
};

}  // namespace platform::win32
