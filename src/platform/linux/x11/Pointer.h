// The pointer as the X server sees it: where it is, whether button 1 is held, and pointer grabs.
// X11 headers stay in Pointer.cpp.
#pragma once

class Fl_Window;

namespace platform::x11 {

struct PointerState {
    bool valid = false;  // false when the server could not be asked
    int x = 0;           // root coordinates
    int y = 0;
    bool leftHeld = false;
};

PointerState QueryPointer();

// Lets go of the grab the toolkit holds for the window a button was pressed in.
void ReleasePointerGrab();

// Sends every pointer event to the window and reports none of them, for the length of a move loop
// of our own. False when another client holds a grab.
bool GrabPointerSilently(Fl_Window& window);

// True while another client (the window manager in a move) holds the pointer grabbed.
bool PointerGrabbedElsewhere(Fl_Window& window);

// From now on crossed(window, true) runs when the pointer comes over one of the toolkit's windows
// and crossed(window, false) when it goes off it, from the X server's enter and leave events (those
// of a grab too: a menu that takes the pointer takes it off the window). Moves between a window and
// a child of it are no crossings. One watcher for the process; a later call replaces it.
void WatchPointerCrossings(void (*crossed)(Fl_Window& window, bool entered));

}  // namespace platform::x11
