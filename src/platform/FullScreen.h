// Which windows count as full-screen (a film, a game, a slide show), by the same rule on every
// backend: each backend gathers the facts of the window its own way.
#pragma once

#include <optional>

#include "platform/Platform.h"

namespace platform {

struct FullScreenFacts {
    PixelRect window;       // outer rectangle, screen pixels
    PixelRect monitor;      // the monitor holding the larger part of it
    bool declared = false;  // the system calls it full-screen
    bool framed = false;    // a title bar is drawn around it
    bool desktop = false;   // the desktop itself or one of the shell's bars and panels
};

inline bool Covers(const PixelRect& outer, const PixelRect& inner) {
    return outer.left <= inner.left && outer.top <= inner.top && outer.right >= inner.right &&
           outer.bottom >= inner.bottom;
}

// The monitor a full-screen window fills: one the system calls full-screen, or one without a title
// bar that covers its whole monitor (borderless, or larger than the monitor as an exclusive mode's
// window may be). The desktop and the shell's windows never count, however much they cover.
inline std::optional<PixelRect> FullScreenMonitorOf(const FullScreenFacts& f) {
    if (f.desktop || f.monitor.Width() <= 0 || f.monitor.Height() <= 0)
        return std::nullopt;
    if (f.declared || (!f.framed && Covers(f.window, f.monitor)))
        return f.monitor;
    return std::nullopt;
}

}  // namespace platform
