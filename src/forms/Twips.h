// Twips, the unit of every position and size above the platform layer: 1440 to the inch, so a
// pixel is 1440 / DPI twips (15 on a 96-dpi display, 7.5 at 192). Every conversion goes through
// ToPixels and ToTwips, which follow the platform's ScreenDpi.
#pragma once

#include <cmath>

#include "platform/Platform.h"

namespace forms {

using Twips = float;

inline constexpr double kTwipsPerInch = 1440.0;

// Multiplying before dividing keeps the usual resolutions exact in double: at 96 dpi a layout
// converts exactly as it would at a fixed 15 twips to the pixel.
inline int ToPixels(double twips) {
    return static_cast<int>(std::lround(twips * platform::Windows().ScreenDpi() / kTwipsPerInch));
}
inline Twips ToTwips(int pixels) {
    return static_cast<Twips>(pixels * kTwipsPerInch / platform::Windows().ScreenDpi());
}

}  // namespace forms
