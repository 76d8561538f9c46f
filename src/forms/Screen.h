// The primary screen's size, and the monitor a window is on and its work area, in twips.
#pragma once

#include <algorithm>

#include "forms/Twips.h"
#include "platform/Platform.h"

namespace forms::Screen {

inline Twips Width() {
    return ToTwips(platform::Desktop().GetSystemMetric(platform::Metric::ScreenWidth, 0));
}
inline Twips Height() {
    return ToTwips(platform::Desktop().GetSystemMetric(platform::Metric::ScreenHeight, 0));
}

// The edges of the monitor that holds window w (the whole screen where there is one monitor).
struct Area {
    Twips left = 0;
    Twips top = 0;
    Twips right = 0;
    Twips bottom = 0;
};
inline Area AreaOf(const platform::PixelRect& r) {
    return {ToTwips(r.left), ToTwips(r.top), ToTwips(r.right), ToTwips(r.bottom)};
}
inline Area MonitorOf(platform::WindowHandle w) {
    return AreaOf(platform::Desktop().GetMonitorRect(w));
}
// That monitor less the panels and taskbars docked on it.
inline Area WorkAreaOf(platform::WindowHandle w) {
    return AreaOf(platform::Desktop().GetCaptionGeometry(w).workArea);
}

// Where an edge at `position` of something `size` long goes so that it lies between low and high;
// on low when it is longer than that.
inline Twips Inside(Twips position, Twips size, Twips low, Twips high) {
    return std::max(low, std::min(position, high - size));
}

}  // namespace forms::Screen
