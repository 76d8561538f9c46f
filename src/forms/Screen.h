// The primary screen's size in twips.
#pragma once

#include "forms/Twips.h"
#include "platform/Platform.h"

namespace forms::Screen {

inline Twips Width() {
    return ToTwips(platform::Current().GetSystemMetric(platform::Metric::ScreenWidth, 0));
}
inline Twips Height() {
    return ToTwips(platform::Current().GetSystemMetric(platform::Metric::ScreenHeight, 0));
}

}  // namespace forms::Screen
