// Shaped and focus-less windows on X: the rounded shape through the Shape extension, and the hint
// that keeps the keyboard focus away from a window.
#pragma once

#include <vector>

#include "platform/Platform.h"

class Fl_Window;

namespace platform::x11 {

// The rounded rectangle r with corner ellipses ew x eh, as rows of pixel rectangles from top to
// bottom (bands of equal rows merged), in the order the Shape extension takes as YX-banded.
std::vector<PixelRect> RoundRectBands(const PixelRect& r, int ew, int eh);

// Clips a shown window to the rounded rectangle; false when the server has no Shape extension (the
// window then stays rectangular).
bool ApplyRoundedShape(Fl_Window& window, const PixelRect& r, int ew, int eh);

// Tells the window manager never to give the shown window the keyboard focus (WM_HINTS input false).
void RefuseInputFocus(Fl_Window& window);

}  // namespace platform::x11
