// The tooltips of one form window: one tooltips_class32 window, one tool per id, each a rectangle
// of the form's client area. Messages go out only when a tool's rectangle or text changes.
#pragma once

#include <windows.h>
// after windows.h, which it builds on
#include <commctrl.h>

#include <map>
#include <string>

#include "platform/Platform.h"

namespace platform::win32 {

// Once per process, before the first tooltip window.
void InitCommonControlsOnce();

class ToolTips {
public:
    ToolTips() = default;
    ToolTips(const ToolTips&) = delete;
    ToolTips& operator=(const ToolTips&) = delete;
    // The tooltip window is owned by the form and goes away with it; nothing to do here.
    ~ToolTips() = default;

    // A tool of the form window; empty text removes it. The form is the same on every call.
    void Set(HWND form, int id, const PixelRect& r, std::wstring text);

    HWND Window() const { return tip_; }

private:
    struct Tool {
        RECT rect;
        std::wstring text;
    };

    bool EnsureWindow();
    TTTOOLINFOW ToolInfo(int id, const RECT& rect, std::wstring* text) const;

    HWND form_ = nullptr;
    HWND tip_ = nullptr;
    std::map<int, Tool> tools_;
};

}  // namespace platform::win32
