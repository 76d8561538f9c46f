// The monitors of the X screen: RandR 1.5 monitors (which include those a user defines with
// xrandr --setmonitor), else Xinerama's screens.
#include "platform/linux/x11/XProperties.h"

#include <FL/x.H>
#include <X11/extensions/Xinerama.h>
#include <X11/extensions/Xrandr.h>

namespace platform::x11 {

namespace {

std::vector<PixelRect> RandrMonitors() {
    // The server's RandR version is asked once.
    static const bool monitorsKnown = [] {
        int event = 0;
        int error = 0;
        int major = 0;
        int minor = 0;
        return XRRQueryExtension(fl_display, &event, &error) && XRRQueryVersion(fl_display, &major, &minor) &&
               major * 100 + minor >= 105;
    }();
    if (!monitorsKnown)
        return {};
    int count = 0;
    XRRMonitorInfo* info = XRRGetMonitors(fl_display, RootWindow(fl_display, fl_screen), True, &count);
    std::vector<PixelRect> monitors;
    for (int i = 0; i < count; ++i) {
        const XRRMonitorInfo& m = info[i];
        const PixelRect r{m.x, m.y, m.x + m.width, m.y + m.height};
        if (r.Width() <= 0 || r.Height() <= 0)
            continue;
        monitors.insert(m.primary ? monitors.begin() : monitors.end(), r);
    }
    if (info)
        XRRFreeMonitors(info);
    return monitors;
}

std::vector<PixelRect> XineramaMonitors() {
    int event = 0;
    int error = 0;
    if (!XineramaQueryExtension(fl_display, &event, &error) || !XineramaIsActive(fl_display))
        return {};
    int count = 0;
    XineramaScreenInfo* info = XineramaQueryScreens(fl_display, &count);
    std::vector<PixelRect> monitors;
    for (int i = 0; i < count; ++i) {
        const XineramaScreenInfo& s = info[i];
        if (s.width > 0 && s.height > 0)
            monitors.push_back({s.x_org, s.y_org, s.x_org + s.width, s.y_org + s.height});
    }
    if (info)
        XFree(info);
    return monitors;
}

}  // namespace

std::vector<PixelRect> ReadMonitors() {
    fl_open_display();
    std::vector<PixelRect> monitors = RandrMonitors();
    return monitors.empty() ? XineramaMonitors() : monitors;
}

}  // namespace platform::x11
