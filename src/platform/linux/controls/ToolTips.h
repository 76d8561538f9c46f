// A window's tooltip regions and their display through FLTK's tooltip window.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Platform.h"

class Fl_Window;

namespace platform::x11 {

struct ToolTipRegion {
    int id = 0;
    PixelRect rect;  // client pixels
    std::string text;
};

// The regions of one window, in the order they were first registered.
class ToolTipRegions {
public:
    // Adds or updates region id; empty text removes it. Returns the region, or nullptr once removed.
    const ToolTipRegion* Set(int id, const PixelRect& rect, std::string_view text);
    // The region under (x, y): where regions overlap, the one registered last wins.
    const ToolTipRegion* Hit(int x, int y) const;
    const ToolTipRegion* Find(int id) const;

private:
    // Held by pointer: FLTK keeps a pointer to the text on show, so a region's text must not move
    // when other regions come and go.
    std::vector<std::unique_ptr<ToolTipRegion>> regions_;
};

// Shows the tip of the region under the pointer with Fl_Tooltip. The window is the widget FLTK
// ties the tip to; inset is where the client area starts inside it.
class WindowToolTips {
public:
    WindowToolTips(Fl_Window& window, int inset) : window_(window), inset_(inset) {}
    ~WindowToolTips();
    WindowToolTips(const WindowToolTips&) = delete;
    WindowToolTips& operator=(const WindowToolTips&) = delete;

    void Set(int id, const PixelRect& rect, std::string_view text);
    // Pointer moved to client (x, y) without buttons.
    void PointerAt(int x, int y);
    // A click hides the tip until the pointer reaches another region, as on Windows.
    void PointerPressed();
    void PointerLeft();
    // Forgets the tip without touching FLTK's tooltip (the window is going away).
    void Clear();

private:
    void Enter(const ToolTipRegion* region);
    void RefreshShownText();

    Fl_Window& window_;
    int inset_;
    ToolTipRegions regions_;
    int currentId_ = -1;     // region whose tip FLTK holds, -1 for none
    int suppressedId_ = -1;  // region clicked in; its tip stays away until the pointer leaves it
    bool pointerInside_ = false;
    int lastX_ = 0;
    int lastY_ = 0;
};

}  // namespace platform::x11
