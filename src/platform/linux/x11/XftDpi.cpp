// Xft.dpi from the root window's RESOURCE_MANAGER property, which xrdb and the desktops rewrite when
// the user changes the display's scale, and the watch on that property.
#include "platform/linux/x11/XftDpi.h"

#include <FL/Fl.H>
#include <FL/x.H>
#include <X11/Xatom.h>
#include <X11/Xresource.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/linux/wm/WindowManager.h"

namespace platform::x11 {

namespace {
constexpr double kLowestDpi = 48.0;
constexpr double kHighestDpi = 480.0;
// The resource string is a few kilobytes on a desktop; anything past this is not read.
constexpr long kMaxResourceLongs = 64 * 1024;

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

Atom ResourceManagerAtom() {
    return XA_RESOURCE_MANAGER;  // predefined: no round trip to intern it
}

// The resource string as the server has it now (XResourceManagerString keeps the one read when the
// display was opened).
std::string ReadResources() {
    Atom actual = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::string text;
    if (XGetWindowProperty(fl_display, RootWindow(fl_display, fl_screen), ResourceManagerAtom(), 0, kMaxResourceLongs,
                           False, XA_STRING, &actual, &format, &count, &after, &data) == Success &&
        data && actual == XA_STRING && format == 8) {
        text.assign(reinterpret_cast<const char*>(data), ::strnlen(reinterpret_cast<const char*>(data), count));
    }
    if (data)
        XFree(data);
    return text;
}

std::function<void()> g_onChange;

int OnXEvent(void* event, void*) {
    const auto* e = static_cast<const XEvent*>(event);
    if (e->type == PropertyNotify && e->xproperty.window == RootWindow(fl_display, fl_screen) &&
        e->xproperty.atom == ResourceManagerAtom() && g_onChange)
        g_onChange();
    return 0;  // FLTK goes on with the event as usual
}
}  // namespace

std::optional<int> ParseDpi(std::string_view value) {
    while (!value.empty() && IsBlank(value.front()))
        value.remove_prefix(1);
    while (!value.empty() && IsBlank(value.back()))
        value.remove_suffix(1);
    // Plain decimals only: strtod would also take signs, exponents, hex and "nan".
    if (value.empty() || value.size() > 32 || value.find_first_not_of("0123456789.") != std::string_view::npos)
        return std::nullopt;
    const std::string text(value);
    char* end = nullptr;
    const double dpi = std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size() || !std::isfinite(dpi) || dpi < kLowestDpi || dpi > kHighestDpi)
        return std::nullopt;
    return static_cast<int>(std::lround(dpi));
}

int ReadXftDpi() {
    OpenDisplay();
    const std::string resources = ReadResources();
    if (resources.empty())
        return kNormalDpi;
    XrmInitialize();
    XrmDatabase db = XrmGetStringDatabase(resources.c_str());
    if (!db)
        return kNormalDpi;
    char* type = nullptr;
    XrmValue value{};
    std::optional<int> dpi;
    if (XrmGetResource(db, "Xft.dpi", "Xft.Dpi", &type, &value) && value.addr && value.size > 0)
        dpi = ParseDpi(std::string_view(value.addr, ::strnlen(value.addr, value.size)));
    XrmDestroyDatabase(db);
    return dpi.value_or(kNormalDpi);
}

void WatchXftDpi(std::function<void()> changed) {
    OpenDisplay();
    const bool installed = static_cast<bool>(g_onChange);
    g_onChange = std::move(changed);
    if (installed)
        return;
    // Added to whatever this connection already selects on the root.
    const Window root = RootWindow(fl_display, fl_screen);
    XWindowAttributes attributes{};
    XGetWindowAttributes(fl_display, root, &attributes);
    XSelectInput(fl_display, root, attributes.your_event_mask | PropertyChangeMask);
    Fl::add_system_handler(&OnXEvent, nullptr);
}

void StopWatchingXftDpi() {
    if (!g_onChange)
        return;
    g_onChange = nullptr;
    Fl::remove_system_handler(&OnXEvent);
}

}  // namespace platform::x11
