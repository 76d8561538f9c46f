// A scope in which X protocol errors on FLTK's display connection are noted instead of reported.
// X11 headers stay in XErrorTrap.cpp, as with WindowManager.h.
#pragma once

namespace platform::x11 {

// Errors caused by requests made while a trap lives are swallowed and set Caught(); errors of earlier
// requests still go to the handler that was there before (FLTK's). Traps may nest.
class XErrorTrap {
public:
    XErrorTrap();
    ~XErrorTrap();
    XErrorTrap(const XErrorTrap&) = delete;
    XErrorTrap& operator=(const XErrorTrap&) = delete;

    // True once an error of this scope has arrived. Requests that wait for a reply report their error
    // before they return; for one-way requests call Sync() first.
    bool Caught() const { return caught_; }
    void Sync();

private:
    friend struct XErrorTrapAccess;
    unsigned long firstSerial_;
    bool caught_ = false;
    XErrorTrap* outer_;
};

}  // namespace platform::x11
