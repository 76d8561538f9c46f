// Twips, the unit of every position and size above the platform layer: 15 twips to a pixel.
#pragma once

#include <cmath>

namespace forms {

using Twips = float;

inline constexpr int kTwipsPerPixel = 15;

inline int ToPixels(double twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}
inline Twips ToTwips(int pixels) {
    return static_cast<Twips>(pixels * kTwipsPerPixel);
}

}  // namespace forms
