// What the Linux ports share: our windows by handle, the one handle counter of windows and controls,
// the kept facts of the desktop (a window of ours going may take the focus with it), and the DPI.
#pragma once

#include <unordered_map>

#include "platform/Types.h"
#include "platform/linux/wm/WindowFacts.h"

namespace platform::x11 {

class FormWindow;

class BackendState {
public:
    BackendState() = default;
    // Deletes the windows still open.
    ~BackendState();
    BackendState(const BackendState&) = delete;
    BackendState& operator=(const BackendState&) = delete;

    // nullptr for a handle that is not (or no longer) one of ours.
    FormWindow* Find(WindowHandle w) const;
    WindowHandle Add(FormWindow* window);
    void Remove(WindowHandle w) { windows_.erase(w); }
    const std::unordered_map<WindowHandle, FormWindow*>& Windows() const { return windows_; }
    // Handles are counters, never pointers: a stale handle finds nothing instead of freed memory.
    std::uintptr_t NextHandle() { return ++lastHandle_; }

    WindowFacts& Facts() { return facts_; }

    // Xft.dpi, read when first asked and again whenever the resource database changes; a new value
    // reaches every form window.
    int Dpi();

private:
    void UseDpi(int dpi);
    void ResourcesChanged();

    WindowFacts facts_;
    std::unordered_map<WindowHandle, FormWindow*> windows_;
    std::uintptr_t lastHandle_ = 0;
    int dpi_ = 0;  // not read yet
};

}  // namespace platform::x11
