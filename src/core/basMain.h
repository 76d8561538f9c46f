// Process start, single instance and shutdown.
#pragma once

namespace basMain {

// Set at every start-up of the bar; the drive meter clears it after a failed measurement.
extern bool DriveCheckEnabled;

// Creates the bar (its load runs the start-up sequence) and runs the message loop until the
// last window is gone. Returns the process exit code.
int Main();

// True when another process of the program runs; the bar's re-creation in this process passes.
bool AnotherInstanceRunning();

// Closes every window in the fixed order; the process ends because none remains.
void Shutdown();

// After the system closed the bar: with no window left on screen the program cannot be reached,
// so it shuts down; a window still shown keeps it running.
void EndIfNothingShown();

}  // namespace basMain
