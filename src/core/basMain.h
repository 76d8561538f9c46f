// Process-wide start-up state, the single-instance test, and the hooks through which the program's
// wiring (app/) closes its windows. The core knows no form: the wiring above it installs the order.
#pragma once

#include <cstdint>

namespace basMain {

// Set at every start-up of the bar; the drive meter clears it after a failed measurement.
extern bool DriveCheckEnabled;

// True when another process of the program runs; the bar's re-creation in this process passes.
bool AnotherInstanceRunning();

// Where the bar stood, in twips.
struct BarPosition {
    std::int32_t left = 0;
    std::int32_t top = 0;
};

// What the wiring does for the windows: installed once at start (app::InstallWiring).
struct Wiring {
    void (*shutdown)() = nullptr;                // close every window in the fixed order
    void (*endIfNothingShown)() = nullptr;       // shut down when no window of ours is shown
    BarPosition (*closeBar)() = nullptr;         // note the bar's position, close it and the calendar
    void (*recreateBar)(BarPosition) = nullptr;  // start the bar afresh at a position and show it
};
void Install(const Wiring& wiring);

// Closes every window in the fixed order; the process ends because none remains.
void Shutdown();

// Notes where the bar is (rounded to whole twips), closes the bar and the calendar and clears the
// calendar flag: the settings dialog edits no running bar.
BarPosition CloseBar();

// Creates the bar again, so its start-up reads the settings file anew, puts it at the position, runs
// one follow tick and one refresh, makes the bar and the (hidden) calendar translucent and shows the bar.
void RecreateBar(BarPosition at);

// After the system closed the bar: with no window left on screen the program cannot be reached,
// so it shuts down; a window still shown keeps it running.
void EndIfNothingShown();

}  // namespace basMain
