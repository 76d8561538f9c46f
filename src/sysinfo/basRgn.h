// Window shapes: the rounded corners of the information popup.
#pragma once

#include "platform/Platform.h"

namespace basRgn {

// Corner ellipses of the popup, in pixels.
inline constexpr int kCornerEllipse = 15;

// Clips the window to its client rectangle of widthPx x heightPx with rounded corners. The window
// owns its shape from then on.
void RoundCorners(platform::WindowHandle w, int widthPx, int heightPx);

}  // namespace basRgn
