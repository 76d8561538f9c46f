// CreatePlatform for Linux builds: the display opened, the toolkit's fatal errors set to end the
// process, the root made.
#include "platform/linux/LinuxPlatform.h"

#include <FL/Fl.H>
#include <unistd.h>

#include <cstdarg>
#include <cstdio>

#include "platform/linux/wm/WindowManager.h"

namespace platform {

namespace {

// FLTK's end for a lost display (its X I/O error handler) and other fatal errors. The program keeps
// nothing that needs saving at its end, and the windows are gone with the display: the process ends
// at once, without running destructors over windows the toolkit can no longer reach.
[[noreturn]] void EndAtFatalError(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::vfprintf(stderr, format, args);
    va_end(args);
    std::fputc('\n', stderr);
    std::fflush(nullptr);
    ::_exit(1);
}

}  // namespace

// The fatal-error end is in place before any port touches the toolkit.
std::unique_ptr<Platform> CreatePlatform() {
    x11::OpenDisplay();
    Fl::fatal = &EndAtFatalError;
    return std::make_unique<x11::LinuxPlatform>();
}

}  // namespace platform
