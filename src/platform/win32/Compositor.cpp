// DwmIsCompositionEnabled and DwmGetWindowAttribute, looked up in the system's dwmapi.dll.
#include "platform/win32/Compositor.h"

#include "platform/win32/SystemLibrary.h"

namespace platform::win32 {

namespace {

// dwmapi.h's attribute numbers, so the header is not needed for two constants.
constexpr DWORD kCaptionButtonBounds = 5;  // DWMWA_CAPTION_BUTTON_BOUNDS
constexpr DWORD kExtendedFrameBounds = 9;  // DWMWA_EXTENDED_FRAME_BOUNDS

using DwmIsCompositionEnabledFn = HRESULT(WINAPI*)(BOOL*);
using DwmGetWindowAttributeFn = HRESULT(WINAPI*)(HWND, DWORD, void*, DWORD);

PixelRect PixelRectOf(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}

}  // namespace

CompositorAnswers AskCompositor(HWND w) {
    static const auto isComposing = SystemFunction<DwmIsCompositionEnabledFn>(L"dwmapi.dll", "DwmIsCompositionEnabled");
    static const auto attribute = SystemFunction<DwmGetWindowAttributeFn>(L"dwmapi.dll", "DwmGetWindowAttribute");
    CompositorAnswers answers;
    BOOL enabled = FALSE;
    RECT window{};
    if (!isComposing || !attribute || FAILED(isComposing(&enabled)) || !enabled || !::GetWindowRect(w, &window))
        return answers;
    answers.composing = true;
    answers.window = PixelRectOf(window);
    RECT r{};
    if (SUCCEEDED(attribute(w, kExtendedFrameBounds, &r, sizeof r)))
        answers.frameBounds = PixelRectOf(r);
    r = RECT{};
    if (SUCCEEDED(attribute(w, kCaptionButtonBounds, &r, sizeof r)))
        answers.buttonBounds = PixelRectOf(r);
    return answers;
}

}  // namespace platform::win32
