// How far the title-bar buttons of a window manager reach in from a frame's right edge. EWMH does not
// publish it: a table of the managers we know, in their default themes, and the user's own figures
// in the [TitleButtons] section of the settings file, keyed like the table by the manager's name.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform::x11 {

// Pixels from the frame's outer right edge to the left edge of its leftmost right-hand button, on
// a normal and on a maximised window.
struct TitleButtons {
    int normal = 0;
    int maximized = 0;
    bool operator==(const TitleButtons&) const = default;
};

// The keys a manager's name is looked up by, in order: the whole name, then its first word
// ("Metacity (Marco)", then "Metacity"; "IceWM 3.3.1 (Linux/x86_64)", then "IceWM").
std::vector<std::string> ManagerKeys(std::string_view managerName);

// A setting "normal[,maximized]" in pixels (the maximised figure defaults to the normal one);
// nullopt when it does not start with a number from 0 to 1000.
std::optional<TitleButtons> ParseTitleButtons(std::string_view value);

// For each key in turn, the user's setting (setting(key), empty when there is none), else the table's
// entry; nullopt for a manager neither knows.
std::optional<TitleButtons> TitleButtonsFor(std::string_view managerName,
                                            const std::function<std::string(std::string_view key)>& setting);

}  // namespace platform::x11
