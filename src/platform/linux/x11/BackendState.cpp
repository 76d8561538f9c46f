// Our windows by handle and the DPI they are laid out for.
#include "platform/linux/x11/BackendState.h"

#include <FL/Fl.H>
#include <FL/Fl_Tooltip.H>

#include <vector>

#include "platform/linux/draw/Fonts.h"
#include "platform/linux/x11/FormWindow.h"
#include "platform/linux/x11/XftDpi.h"

namespace platform::x11 {

BackendState::~BackendState() {
    if (dpi_ != 0)
        StopWatchingXftDpi();
    for (const auto& [handle, window] : windows_) {
        window->Detach();
        delete window;
    }
    windows_.clear();
    Fl::do_widget_deletion();
}

FormWindow* BackendState::Find(WindowHandle w) const {
    const auto it = windows_.find(w);
    return it == windows_.end() ? nullptr : it->second;
}

WindowHandle BackendState::Add(FormWindow* window) {
    const WindowHandle handle = NextHandle();
    windows_.emplace(handle, window);
    return handle;
}

// Read when first asked (the first window's layout), not when the platform is made: reading opens the
// display. Text of every kind (forms, tips, menus, boxes) is drawn at the same resolution.
int BackendState::Dpi() {
    if (dpi_ == 0) {
        UseDpi(ReadXftDpi());
        WatchXftDpi([this] { ResourcesChanged(); });
    }
    return dpi_;
}

void BackendState::UseDpi(int dpi) {
    dpi_ = dpi;
    SetFontDpi(dpi);
    Fl_Tooltip::size(static_cast<Fl_Fontsize>(PixelsFromPoints(kUiFont.points)));
}

// Any resource may have changed; only a new Xft.dpi re-lays out the windows.
void BackendState::ResourcesChanged() {
    const int dpi = ReadXftDpi();
    if (dpi == dpi_)
        return;
    UseDpi(dpi);
    std::vector<WindowHandle> handles;
    for (const auto& [handle, window] : windows_)
        handles.push_back(handle);
    for (WindowHandle h : handles) {
        if (FormWindow* window = Find(h))  // an earlier one's handler may have closed it
            window->DpiChanged();
    }
}

}  // namespace platform::x11
