// Popup menus: the captions become an Fl_Menu_Item array in the UI font, placed by its top edge.
#include "platform/linux/controls/PopupMenu.h"

#include <FL/Fl.H>
#include <FL/Fl_Menu_Item.H>
#include <FL/Fl_Menu_Window.H>

#include <algorithm>
#include <memory>

#include "platform/linux/draw/Fonts.h"

namespace platform::x11 {

namespace {

// FLTK reads "@" at the start of a label, or before its last word, as a symbol name; "@@" is a plain "@".
std::string EscapeSymbols(const std::string& caption) {
    std::string label;
    label.reserve(caption.size());
    for (const char c : caption) {
        label += c;
        if (c == '@')
            label += '@';
    }
    return label;
}

// FLTK's menu grabs the pointer through the first shown window; with none shown (the owner can be a
// hidden form) a 1 x 1 override-redirect window off the screen stands in while the menu is open.
class GrabAnchor {
public:
    GrabAnchor() {
        if (Fl::first_window())
            return;
        window_ = std::make_unique<Fl_Menu_Window>(-10, -10, 1, 1);
        window_->end();
        window_->set_override();
        window_->show();
    }
    ~GrabAnchor() {
        if (window_)
            window_->hide();
    }
    GrabAnchor(const GrabAnchor&) = delete;
    GrabAnchor& operator=(const GrabAnchor&) = delete;

private:
    std::unique_ptr<Fl_Menu_Window> window_;
};

}  // namespace

std::vector<MenuEntry> MenuEntriesFor(const std::vector<std::string>& captions) {
    std::vector<MenuEntry> entries;
    for (std::size_t i = 0; i < captions.size(); ++i) {
        if (captions[i] == "-") {
            if (!entries.empty())
                entries.back().dividerAfter = true;
            continue;
        }
        entries.push_back({EscapeSymbols(captions[i]), static_cast<int>(i), false});
    }
    return entries;
}

int RunPopupMenu(const std::vector<std::string>& captions, PixelPoint at) {
    const std::vector<MenuEntry> entries = MenuEntriesFor(captions);
    if (entries.empty())
        return -1;
    const auto font = static_cast<Fl_Font>(FltkFontFor(kUiFont));
    const auto size = static_cast<Fl_Fontsize>(PixelsFromPoints(kUiFont.points));
    // Value-initialised: the last, empty item ends the menu.
    std::vector<Fl_Menu_Item> items(entries.size() + 1);
    int widest = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        Fl_Menu_Item& item = items[i];
        item.label(entries[i].label.c_str());
        item.labelfont(font);
        item.labelsize(size);
        if (entries[i].dividerAfter)
            item.flags |= FL_MENU_DIVIDER;
        int height = 0;
        widest = std::max(widest, item.measure(&height, nullptr));
    }
    // FLTK's own width for a menu without shortcuts; given as the wanted width it is also the width
    // FLTK takes, so the menu can be centred exactly.
    const int width = widest + 2 * Fl::box_dx(FL_UP_BOX) + 7;
    // FLTK takes the position relative to the window of the last event.
    const int dx = Fl::event_x_root() - Fl::event_x();
    const int dy = Fl::event_y_root() - Fl::event_y();
    const GrabAnchor anchor;
    const Fl_Menu_Item* chosen = items.front().pulldown(at.x - width / 2 - dx, at.y - dy, width, 0);
    if (!chosen)
        return -1;
    const auto position = static_cast<std::size_t>(chosen - items.data());
    return position < entries.size() ? entries[position].captionIndex : -1;
}

}  // namespace platform::x11
