// Popup menus of plain captions on FLTK's menu windows.
#pragma once

#include <string>
#include <vector>

#include "platform/Platform.h"

namespace platform::x11 {

// One line of the menu: its label as FLTK draws it, and which caption it came from.
struct MenuEntry {
    std::string label;
    int captionIndex = 0;
    bool dividerAfter = false;
};

// The menu lines for the captions: "-" draws a line under the entry before it (none at the top,
// one for a run of them); "&" stays the access-key mark it is on Windows as on FLTK.
std::vector<MenuEntry> MenuEntriesFor(const std::vector<std::string>& captions);

// Shows the menu with its top edge at `at` (screen pixels), centred on at.x, and waits for a choice:
// the chosen caption's index, or -1 when the menu was dismissed (Escape, a click outside).
int RunPopupMenu(const std::vector<std::string>& captions, PixelPoint at);

}  // namespace platform::x11
