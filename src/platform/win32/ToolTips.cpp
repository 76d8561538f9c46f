// Tooltip windows over the common controls (v6 through the program's manifest; v5 elsewhere).
#include "platform/win32/ToolTips.h"

#include "platform/win32/NativeControls.h"

namespace platform::win32 {

namespace {

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

}  // namespace

void InitCommonControlsOnce() {
    static const bool done = [] {
        INITCOMMONCONTROLSEX icc{};
        icc.dwSize = sizeof icc;
        icc.dwICC = ICC_WIN95_CLASSES;
        return ::InitCommonControlsEx(&icc) != FALSE;
    }();
    (void)done;
}

bool ToolTips::EnsureWindow() {
    if (tip_)
        return true;
    InitCommonControlsOnce();
    // Owned by the form: it closes with it. Always-tip: the bar shows tips while another window is active.
    tip_ = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, form_, nullptr,
                             ::GetModuleHandleW(nullptr), nullptr);
    if (!tip_)
        return false;
    // A width limit makes the tooltip honour line breaks in the text; 1000 px is wider than any line.
    ::SendMessageW(tip_, TTM_SETMAXTIPWIDTH, 0, 1000);
    return true;
}

TTTOOLINFOW ToolTips::ToolInfo(int id, const RECT& rect, std::wstring* text) const {
    TTTOOLINFOW ti{};
    ti.cbSize = kToolInfoSize;
    ti.uFlags = TTF_SUBCLASS;
    ti.hwnd = form_;
    ti.uId = static_cast<UINT_PTR>(id);
    ti.rect = rect;
    ti.lpszText = text ? text->data() : nullptr;
    return ti;
}

void ToolTips::Set(HWND form, int id, const PixelRect& r, std::wstring text) {
    form_ = form;
    const RECT rect{r.left, r.top, r.right, r.bottom};
    const auto it = tools_.find(id);
    if (text.empty()) {
        if (it == tools_.end())
            return;
        TTTOOLINFOW ti = ToolInfo(id, it->second.rect, nullptr);
        ::SendMessageW(tip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
        tools_.erase(it);
        return;
    }
    if (it == tools_.end()) {
        if (!EnsureWindow())
            return;
        TTTOOLINFOW ti = ToolInfo(id, rect, &text);
        // Kept only once the tooltip has taken it, so a refused tool is offered again next time.
        if (::SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti))) {
            tools_.emplace(id, Tool{rect, std::move(text)});
        }
        return;
    }
    Tool& tool = it->second;
    if (!SameRect(tool.rect, rect)) {
        TTTOOLINFOW ti = ToolInfo(id, rect, nullptr);
        ::SendMessageW(tip_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&ti));
        tool.rect = rect;
    }
    if (tool.text != text) {
        TTTOOLINFOW ti = ToolInfo(id, rect, &text);
        ::SendMessageW(tip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&ti));
        tool.text = std::move(text);
    }
}

}  // namespace platform::win32
