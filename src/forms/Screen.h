// The primary screen's size, and the monitor a window is on, in twips.
#pragma once

#include "forms/Twips.h"
#include "platform/Platform.h"

namespace forms::Screen {

inline Twips Width() {
    return ToTwips(platform::Current().GetSystemMetric(platform::Metric::ScreenWidth, 0));
}
inline Twips Height() {
    return ToTwips(platform::Current().GetSystemMetric(platform::Metric::ScreenHeight, 0));
}

// The edges of the monitor that holds window w (the whole screen where there is one monitor).
struct Area {
    Twips left = 0;
    Twips top = 0;
    Twips right = 0;
    Twips bottom = 0;
};
inline Area MonitorOf(platform::WindowHandle w) {
    const platform::PixelRect r = platform::Current().GetMonitorRect(w);
    return {ToTwips(r.left), ToTwips(r.top), ToTwips(r.right), ToTwips(r.bottom)};
}

}  // namespace forms::Screen
