// The title bar of a window as the desktop window manager of Windows Vista and later draws it (with
// composition on; always on from 8): the frame the user sees, without the invisible resize borders
// that 10 and 11 keep inside the window rectangle, and the caption buttons as wide as it draws
// them (46 pixels each at 96 dpi on 10 and 11, not the caption's height).
#pragma once

#include <optional>

#include "platform/Platform.h"

namespace platform {

// The compositor's answers about one window, as its calls gave them.
struct CompositorAnswers {
    bool composing = false;                 // composition is on
    PixelRect window;                       // the window rectangle, screen pixels
    std::optional<PixelRect> frameBounds;   // DWMWA_EXTENDED_FRAME_BOUNDS, screen; nothing: failed
    std::optional<PixelRect> buttonBounds;  // DWMWA_CAPTION_BUTTON_BOUNDS, from the window's corner
};

// The visible frame is the window; the title bar runs along its top down to the buttons' bottom, and
// the buttons reach in from its right edge to their left one. Nothing where the answers cannot be
// trusted: composition off, a failed call, an empty rectangle, or buttons outside the visible frame.
// The monitor and work area are the caller's to fill in.
inline std::optional<CaptionGeometry> ComposedCaption(const CompositorAnswers& a) {
    if (!a.composing || !a.frameBounds || !a.buttonBounds)
        return std::nullopt;
    const PixelRect& v = *a.frameBounds;
    const PixelRect& b = *a.buttonBounds;
    // In 64 bits: the answers are anyone's numbers.
    const long long left = static_cast<long long>(a.window.left) + b.left;
    const long long right = static_cast<long long>(a.window.left) + b.right;
    const long long top = static_cast<long long>(a.window.top) + b.top;
    const long long bottom = static_cast<long long>(a.window.top) + b.bottom;
    if (v.right <= v.left || v.bottom <= v.top || left >= right || top >= bottom || left < v.left || right > v.right ||
        top < v.top || bottom > v.bottom)
        return std::nullopt;
    CaptionGeometry g;
    g.window = v;
    g.titleBar = {v.left, v.top, v.right, static_cast<std::int32_t>(bottom)};
    g.buttons = static_cast<int>(v.right - left);
    return g;
}

}  // namespace platform
