// The error handler behind XErrorTrap: one handler installed while any trap lives, deciding by the
// request's serial number whether an error belongs to a trap.
#include "platform/linux/x11/XErrorTrap.h"

#include <FL/x.H>

namespace platform::x11 {

namespace {
XErrorTrap* g_innermost = nullptr;
XErrorHandler g_previous = nullptr;  // the handler before the outermost trap
}  // namespace

struct XErrorTrapAccess {
    static int OnError(Display* display, XErrorEvent* error) {
        for (XErrorTrap* trap = g_innermost; trap; trap = trap->outer_) {
            if (error->serial >= trap->firstSerial_) {
                trap->caught_ = true;
                return 0;
            }
        }
        return g_previous ? g_previous(display, error) : 0;
    }
};

XErrorTrap::XErrorTrap() : firstSerial_(0), outer_(g_innermost) {
    fl_open_display();
    firstSerial_ = NextRequest(fl_display);
    if (!outer_)
        g_previous = XSetErrorHandler(&XErrorTrapAccess::OnError);
    g_innermost = this;
}

XErrorTrap::~XErrorTrap() {
    g_innermost = outer_;
    if (!outer_) {
        XSetErrorHandler(g_previous);
        g_previous = nullptr;
    }
}

void XErrorTrap::Sync() {
    XSync(fl_display, False);
}

}  // namespace platform::x11
