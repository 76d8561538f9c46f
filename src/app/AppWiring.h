// The program's start-up wiring: which windows exist, how the process starts and in which order its
// windows close. It sits above every subsystem, so it is the one place that knows them all.
#pragma once

namespace app {

// Installs the shutdown order, the end-of-program rule and the answers to the window requests.
void InstallWiring();

// Creates the bar (its load runs the start-up sequence) and runs the message loop until the last
// window is gone. Returns the process exit code.
int Main();

}  // namespace app
