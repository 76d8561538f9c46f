// Balloon help on Linux: a small window of our own with an information icon, a bold title and the
// help lines in their colour, shown when the pointer rests on a control for the tooltip delay and
// taken away after a while, on a click, or when the pointer leaves the control.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/Platform.h"

class Fl_Widget;

namespace platform::x11 {

class BalloonWindow;

// The lines of a balloon's text: split at "\r\n" (or a lone "\n").
std::vector<std::string> BalloonLines(std::string_view text);

class Balloons {
public:
    Balloons();
    ~Balloons();
    Balloons(const Balloons&) = delete;
    Balloons& operator=(const Balloons&) = delete;

    void Add(Fl_Widget& widget, const BalloonTip& tip);
    // Forgets the widget's balloon (the control is going away).
    void Remove(const Fl_Widget& widget);
    // The pointer moved over the window, at window coordinates; the widget under it may have a balloon.
    void PointerAt(int x, int y);
    // A click or the pointer leaving the window takes the balloon away.
    void Dismiss();
    // The balloon currently shown, for tests; nullptr when none is up.
    const BalloonTip* Shown() const;

private:
    struct Entry {
        Fl_Widget* widget;
        BalloonTip tip;
    };
    static void OnDelay(void* data);
    static void OnTimeout(void* data);
    void Show();

    std::vector<Entry> entries_;
    const Entry* hovered_ = nullptr;  // the entry under the pointer
    const Entry* shown_ = nullptr;
    bool spent_ = false;  // shown (or dismissed) for the hovered entry; wait for the pointer to leave it
    std::unique_ptr<BalloonWindow> window_;
};

}  // namespace platform::x11
