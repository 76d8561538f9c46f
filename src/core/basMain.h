// Process-wide start-up state, the single-instance test, and the hooks through which the program's
// wiring (app/) ends it. The core knows no form: the wiring above it installs the order.
#pragma once

namespace basMain {

// Set at every start-up of the bar; the drive meter clears it after a failed measurement.
extern bool DriveCheckEnabled;

// True when another process of the program runs; the bar's re-creation in this process passes.
bool AnotherInstanceRunning();

// What the wiring does for the windows: installed once at start (app::InstallWiring).
struct Wiring {
    void (*shutdown)() = nullptr;           // close every window in the fixed order
    void (*endIfNothingShown)() = nullptr;  // shut down when no window of ours is shown
};
void Install(const Wiring& wiring);

// Closes every window in the fixed order; the process ends because none remains.
void Shutdown();

// After the system closed the bar: with no window left on screen the program cannot be reached,
// so it shuts down; a window still shown keeps it running.
void EndIfNothingShown();

}  // namespace basMain
