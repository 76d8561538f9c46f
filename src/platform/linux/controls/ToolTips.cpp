// Tooltip regions. FLTK shows one tip at a time for a widget area (Fl_Tooltip::enter_area) and keeps
// a pointer to its text; an update of the shown region's text rewrites that buffer in place and
// resizes the visible tip window, so a tip whose figure changes every second does not flicker.
#include "platform/linux/controls/ToolTips.h"

#include <FL/Fl.H>
#include <FL/Fl_Tooltip.H>
#include <FL/Fl_Window.H>

#include <algorithm>

#include "platform/linux/draw/FlDraw.h"

namespace platform::x11 {

namespace {

bool Contains(const PixelRect& r, int x, int y) {
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

// Assigns without moving the buffer while the new text fits, so FLTK's pointer stays valid.
void AssignKeepingBuffer(std::string& s, std::string_view text) {
    if (text.size() > s.capacity())
        s.reserve(text.size() * 2);
    s.assign(text.data(), text.size());
}

Fl_Window* VisibleTipWindow() {
    for (Fl_Window* w = Fl::first_window(); w; w = Fl::next_window(w)) {
        if (w->tooltip_window() && w->visible())
            return w;
    }
    return nullptr;
}

}  // namespace

const ToolTipRegion* ToolTipRegions::Set(int id, const PixelRect& rect, std::string_view text) {
    const auto it = std::find_if(regions_.begin(), regions_.end(), [id](const auto& r) { return r->id == id; });
    if (text.empty()) {
        if (it != regions_.end())
            regions_.erase(it);
        return nullptr;
    }
    if (it != regions_.end()) {
        (*it)->rect = rect;
        AssignKeepingBuffer((*it)->text, text);
        return it->get();
    }
    auto region = std::make_unique<ToolTipRegion>();
    region->id = id;
    region->rect = rect;
    region->text.reserve(std::max<std::size_t>(text.size() * 2, 64));  // off the small-string buffer
    region->text.assign(text.data(), text.size());
    regions_.push_back(std::move(region));
    return regions_.back().get();
}

const ToolTipRegion* ToolTipRegions::Hit(int x, int y) const {
    for (auto it = regions_.rbegin(); it != regions_.rend(); ++it) {
        if (Contains((*it)->rect, x, y))
            return it->get();
    }
    return nullptr;
}

const ToolTipRegion* ToolTipRegions::Find(int id) const {
    for (const auto& r : regions_) {
        if (r->id == id)
            return r.get();
    }
    return nullptr;
}

WindowToolTips::~WindowToolTips() {
    Clear();
}

void WindowToolTips::Set(int id, const PixelRect& rect, std::string_view text) {
    const ToolTipRegion* old = regions_.Find(id);
    if (old && old->rect == rect && old->text == text)
        return;
    const char* shownBuffer = (id == currentId_ && old) ? old->text.c_str() : nullptr;

    const ToolTipRegion* region = regions_.Set(id, rect, text);
    if (id == currentId_) {
        if (!region) {
            Enter(nullptr);
        } else if (region->text.c_str() != shownBuffer) {
            currentId_ = -1;  // the text moved: FLTK must be given the new buffer
            Enter(region);
        } else {
            RefreshShownText();
        }
    }
    if (pointerInside_)
        PointerAt(lastX_, lastY_);  // the region may have moved under or away from the pointer
}

void WindowToolTips::PointerAt(int x, int y) {
    pointerInside_ = true;
    lastX_ = x;
    lastY_ = y;
    const ToolTipRegion* region = regions_.Hit(x, y);
    const int id = region ? region->id : -1;
    if (id != suppressedId_)
        suppressedId_ = -1;
    if (suppressedId_ != -1)
        return;
    Enter(region);
}

void WindowToolTips::PointerPressed() {
    const ToolTipRegion* region = pointerInside_ ? regions_.Hit(lastX_, lastY_) : nullptr;
    suppressedId_ = region ? region->id : -1;
    Enter(nullptr);
}

void WindowToolTips::PointerLeft() {
    pointerInside_ = false;
    suppressedId_ = -1;
    Enter(nullptr);
}

void WindowToolTips::Clear() {
    if (Fl_Tooltip::current() == &window_)
        Fl_Tooltip::current(nullptr);
    currentId_ = -1;
}

void WindowToolTips::Enter(const ToolTipRegion* region) {
    if (!region) {
        if (currentId_ != -1 && Fl_Tooltip::current() == &window_)
            Fl_Tooltip::current(nullptr);
        currentId_ = -1;
        return;
    }
    if (region->id == currentId_)
        return;
    currentId_ = region->id;
    const PixelRect& r = region->rect;
    Fl_Tooltip::enter_area(&window_, r.left + inset_, r.top + inset_, r.Width(), r.Height(), region->text.c_str());
}

void WindowToolTips::RefreshShownText() {
    if (Fl_Tooltip::current() != &window_)
        return;
    Fl_Window* tip = VisibleTipWindow();
    const ToolTipRegion* region = regions_.Find(currentId_);
    if (!tip || !region)
        return;  // not up yet: it reads the new text when it shows
    fl_font(Fl_Tooltip::font(), Fl_Tooltip::size());
    int w = Fl_Tooltip::wrap_width();
    int h = 0;
    fl_measure(region->text.c_str(), w, h, 1);  // as Fl_Tooltip measures it
    tip->resize(tip->x(), tip->y(), w + 2 * Fl_Tooltip::margin_width(), h + 2 * Fl_Tooltip::margin_height());
    tip->redraw();
}

}  // namespace platform::x11
