// How far the title-bar buttons of a window manager reach in from a frame's right edge. EWMH does not
// publish it: a table of the managers we know, in their default themes, and the user's own figures
// in the [TitleButtons] section of the settings file, keyed like the table.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform::x11 {

// Pixels from the frame's outer right edge to the left edge of its leftmost right-hand button, on
// a normal and on a maximised window.
struct TitleButtons {
    int normal = 0;
    int maximized = 0;
    bool operator==(const TitleButtons&) const = default;
};

// The key of a manager's name: its first word ("IceWM 3.3.1 (Linux/x86_64)" is "IceWM").
std::string ManagerKey(std::string_view managerName);

// The table's entry for this manager (by key, any case); nullopt for one not in the table.
std::optional<TitleButtons> KnownTitleButtons(std::string_view managerName);

// A setting "normal[,maximized]" in pixels (the maximised figure defaults to the normal one);
// nullopt when it does not start with a number from 0 to 1000.
std::optional<TitleButtons> ParseTitleButtons(std::string_view value);

// The user's setting for this manager, else the table's entry.
std::optional<TitleButtons> TitleButtonsFor(std::string_view managerName, std::string_view settingValue);

}  // namespace platform::x11
