// The resolution X clients draw text at: the Xft.dpi resource that desktops set (xrdb) when the
// user scales the display.
#pragma once

#include <functional>
#include <optional>
#include <string_view>

namespace platform::x11 {

inline constexpr int kNormalDpi = 96;

// A resource value as a whole number of dots per inch: "144", " 120.0 ", "96.4". Anything that is
// not entirely a number from 48 to 480 (half to five times the normal size) is no answer.
std::optional<int> ParseDpi(std::string_view value);

// Xft.dpi of the display's resource database as it is now, or 96 when it is unset or unusable.
int ReadXftDpi();

// Calls changed from the event loop whenever the resource database changes (xrdb, a desktop's
// scaling setting), until StopWatchingXftDpi; a second call replaces the callback.
void WatchXftDpi(std::function<void()> changed);
void StopWatchingXftDpi();

}  // namespace platform::x11
