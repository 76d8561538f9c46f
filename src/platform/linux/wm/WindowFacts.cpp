// The kept facts and the events that retire them. A fact remembers the serial number of the first
// request that read it; an event retires it only when the server sent the event after handling that
// request (the event's serial is at least the fact's), so an event that arrives after a fresh read
// but was sent before it changes nothing.
#include "platform/linux/wm/WindowFacts.h"

#include <FL/Fl.H>
#include <FL/x.H>
#include <X11/Xatom.h>
#include <X11/extensions/Xrandr.h>

#include <algorithm>

#include "platform/linux/wm/WindowManager.h"
#include "platform/linux/x11/XAtoms.h"
#include "platform/linux/x11/XErrorTrap.h"

namespace platform::x11 {

namespace {

template <class T>
struct Fact {
    bool known = false;
    unsigned long serial = 0;
    T value{};
};

// Serial numbers wrap; the difference tells which came first.
bool SentSince(unsigned long eventSerial, unsigned long readSerial) {
    return static_cast<long>(eventSerial - readSerial) >= 0;
}

// True when the fact was retired.
template <class T>
bool Retire(Fact<T>& fact, unsigned long eventSerial) {
    if (!fact.known || !SentSince(eventSerial, fact.serial))
        return false;
    fact.known = false;
    return true;
}

// Frames nest a client this deep at most on the managers we know; deeper ones are asked every time.
constexpr int kMaxFrameDepth = 8;
constexpr long kFollowedMask = StructureNotifyMask | PropertyChangeMask;

Window Root() {
    return RootWindow(fl_display, fl_screen);
}

}  // namespace

struct WindowFacts::Kept {
    int rounds = 0;
    int randrEvents = -1;  // RandR's first event number; -1 when monitors are not kept
    Fact<XWindowId> focus;
    Fact<XWindowId> check;
    Fact<std::string> managerName;
    XWindowId watchedCheck = 0;
    Fact<XWindowId> active;
    Fact<std::vector<PixelRect>> monitors;
    Fact<std::optional<PixelRect>> workArea;

    // The followed window, its frames (ancestors below the root) and what was read of it.
    XWindowId followed = 0;
    unsigned long followSerial = 0;  // the first request of its watch
    bool followedWatched = false;    // its facts may be kept
    bool followedGone = false;       // destroyed: its own selection went with it
    // Reparented, a frame went, or the manager named an active window again: watched afresh.
    bool refollow = false;
    std::vector<XWindowId> frames;
    Fact<WmActions> actions;
    Fact<WindowKind> kind;
    Fact<std::optional<WmState>> state;
    Fact<std::optional<FrameExtents>> extents;
    Fact<std::optional<FrameExtents>> gtkExtents;
    Fact<std::optional<PixelRect>> box;

    bool InRound() const { return rounds > 0; }
    bool IsFollowedOrFrame(Window w) const {
        return w != 0 && (w == followed || std::find(frames.begin(), frames.end(), w) != frames.end());
    }
    void RetireFollowed(unsigned long serial) {
        Retire(actions, serial);
        Retire(kind, serial);
        Retire(state, serial);
        Retire(extents, serial);
        Retire(gtkExtents, serial);
        Retire(box, serial);
    }
    void ForgetFollowed() {
        actions.known = kind.known = state.known = extents.known = gtkExtents.known = box.known = false;
    }
    // Drops our events on the followed window (unless it is the one to follow next) and its frames,
    // and all that was read of it. Errors of windows gone meanwhile are for the caller's trap.
    void DropWatch(XWindowId next) {
        for (const XWindowId frame : frames)
            XSelectInput(fl_display, frame, NoEventMask);
        if (followed && followed != next && followedWatched && !followedGone)
            XSelectInput(fl_display, followed, NoEventMask);
        frames.clear();
        followed = 0;
        followedWatched = false;
        followedGone = false;
        refollow = false;
        ForgetFollowed();
    }

    void OnEvent(const XEvent& e);
};

void WindowFacts::Kept::OnEvent(const XEvent& e) {
    const unsigned long serial = e.xany.serial;
    switch (e.type) {
        case PropertyNotify: {
            const Window w = e.xproperty.window;
            const Atom atom = e.xproperty.atom;
            if (w == Root()) {
                // Named again, the active window may be a new one under a reused id.
                if (atom == AtomOf(XAtom::ActiveWindow) && Retire(active, serial))
                    refollow = true;
                if (atom == AtomOf(XAtom::SupportingWmCheck)) {
                    Retire(check, serial);
                    Retire(managerName, serial);
                }
                if (atom == AtomOf(XAtom::WorkArea) || atom == AtomOf(XAtom::CurrentDesktop))
                    Retire(workArea, serial);
            } else if (w != 0 && w == watchedCheck) {
                Retire(check, serial);
                Retire(managerName, serial);
            } else if (w != 0 && w == followed) {
                if (atom == AtomOf(XAtom::AllowedActions))
                    Retire(actions, serial);
                else if (atom == AtomOf(XAtom::WindowType) || atom == XA_WM_TRANSIENT_FOR)
                    Retire(kind, serial);
                else if (atom == AtomOf(XAtom::State))
                    Retire(state, serial);
                else if (atom == AtomOf(XAtom::FrameExtents))
                    Retire(extents, serial);
                else if (atom == AtomOf(XAtom::GtkFrameExtents))
                    Retire(gtkExtents, serial);
            }
            break;
        }
        case ConfigureNotify:
            if (e.xconfigure.window == Root())
                Retire(monitors, serial);
            if (IsFollowedOrFrame(e.xconfigure.window))
                Retire(box, serial);
            break;
        case GravityNotify:
            if (IsFollowedOrFrame(e.xgravity.window))
                Retire(box, serial);
            break;
        case ReparentNotify:
            if (IsFollowedOrFrame(e.xreparent.window) && SentSince(serial, followSerial)) {
                refollow = true;
                Retire(box, serial);
            }
            break;
        case DestroyNotify: {
            const Window w = e.xdestroywindow.window;
            const bool sinceFollowed = SentSince(serial, followSerial);
            if (w != 0 && w == watchedCheck) {
                watchedCheck = 0;
                Retire(check, serial);
                Retire(managerName, serial);
            }
            if (w != 0 && w == followed && sinceFollowed) {
                followedGone = true;
                refollow = true;
                RetireFollowed(serial);
            } else if (IsFollowedOrFrame(w) && sinceFollowed) {
                frames.erase(std::remove(frames.begin(), frames.end(), w), frames.end());
                refollow = true;
                Retire(box, serial);
            }
            break;
        }
        case FocusIn:
        case FocusOut:
            Retire(focus, serial);
            break;
        default:
            if (randrEvents >= 0 && (e.type == randrEvents + RRScreenChangeNotify || e.type == randrEvents + RRNotify))
                Retire(monitors, serial);
            break;
    }
}

namespace {

int OnXEvent(void* event, void* data) {
    static_cast<WindowFacts::Kept*>(data)->OnEvent(*static_cast<const XEvent*>(event));
    return 0;  // FLTK goes on with the event as usual
}

// Looks at every event received but not yet handled, leaving all of them in the queue.
Bool InspectQueued(Display*, XEvent* event, XPointer data) {
    reinterpret_cast<WindowFacts::Kept*>(data)->OnEvent(*event);
    return False;
}

// Our events on another client's window (its own selections stay as they are). False when the
// window is gone.
bool Watch(Window w, long mask) {
    XErrorTrap trap;
    XSelectInput(fl_display, w, mask);
    trap.Sync();
    return !trap.Caught();
}

// Reads a fact in a round once, outside a round every time. A fact whose events are not selected
// (keep false) is never kept.
template <class T, class Read>
T Answer(bool inRound, bool keep, Fact<T>& fact, Read read) {
    if (!inRound || !keep)
        return read();
    if (!fact.known) {
        fact.serial = NextRequest(fl_display);
        fact.value = read();
        fact.known = true;
    }
    return fact.value;
}

// Root events, once for the process: property changes (active window, manager), its size, and
// RandR's notices of monitors (which our monitor reading needs at 1.5).
int WatchRoot() {
    static const int randrEvents = [] {
        XWindowAttributes a{};
        XGetWindowAttributes(fl_display, Root(), &a);
        XSelectInput(fl_display, Root(), a.your_event_mask | PropertyChangeMask | StructureNotifyMask);
        int event = 0;
        int error = 0;
        int major = 0;
        int minor = 0;
        if (!XRRQueryExtension(fl_display, &event, &error) || !XRRQueryVersion(fl_display, &major, &minor) ||
            major * 100 + minor < 105)
            return -1;
        XRRSelectInput(fl_display, Root(),
                       RRScreenChangeNotifyMask | RRCrtcChangeNotifyMask | RROutputChangeNotifyMask);
        return event;
    }();
    return randrEvents;
}

}  // namespace

WindowFacts::WindowFacts() : kept_(std::make_unique<Kept>()) {
    Fl::add_system_handler(&OnXEvent, kept_.get());
}

WindowFacts::~WindowFacts() {
    Fl::remove_system_handler(&OnXEvent);
    const Kept& k = *kept_;
    if (!fl_display || (k.frames.empty() && !k.followedWatched && !k.watchedCheck))
        return;
    XErrorTrap trap;
    for (const XWindowId w : kept_->frames)
        XSelectInput(fl_display, w, NoEventMask);
    if (kept_->followed && kept_->followedWatched && !kept_->followedGone)
        XSelectInput(fl_display, kept_->followed, NoEventMask);
    if (kept_->watchedCheck)
        XSelectInput(fl_display, kept_->watchedCheck, NoEventMask);
    trap.Sync();
}

void WindowFacts::BeginRound() {
    Kept& k = *kept_;
    if (k.rounds++ > 0)
        return;
    fl_open_display();
    k.randrEvents = WatchRoot();
    // News the toolkit has received but not yet handed out.
    XEvent ignored;
    XCheckIfEvent(fl_display, &ignored, &InspectQueued, reinterpret_cast<XPointer>(&k));
}

void WindowFacts::EndRound() {
    if (kept_->rounds > 0)
        --kept_->rounds;
}

void WindowFacts::OurWindowGone() {
    kept_->focus.known = false;
}

void WindowFacts::Unfollow() {
    Kept& k = *kept_;
    if (k.followed == 0)
        return;
    XErrorTrap trap;
    k.DropWatch(0);
    trap.Sync();
}

XWindowId WindowFacts::FocusXid() {
    return Answer(kept_->InRound(), true, kept_->focus, [] { return InputFocusXid(); });
}

XWindowId WindowFacts::CheckWindow() {
    Kept& k = *kept_;
    const XWindowId check = Answer(k.InRound(), true, k.check, [] { return ReadCheckWindow(); });
    if (k.InRound() && check != 0 && check != k.watchedCheck) {
        if (Watch(check, StructureNotifyMask | PropertyChangeMask)) {
            k.watchedCheck = check;
        } else {
            k.check.known = false;  // gone meanwhile: asked again next time
        }
    }
    return check;
}

std::string WindowFacts::ManagerName() {
    const XWindowId check = CheckWindow();
    return Answer(kept_->InRound(), check == kept_->watchedCheck, kept_->managerName,
                  [check] { return ReadWindowName(check); });
}

XWindowId WindowFacts::ActiveWindow() {
    return Answer(kept_->InRound(), true, kept_->active, [] { return ReadActiveWindow(); });
}

std::vector<PixelRect> WindowFacts::Monitors() {
    return Answer(kept_->InRound(), kept_->randrEvents >= 0, kept_->monitors, [] { return ReadMonitors(); });
}

std::optional<PixelRect> WindowFacts::WorkArea() {
    return Answer(kept_->InRound(), true, kept_->workArea, [] { return ReadWorkArea(); });
}

// Starts following w (in a round): our events selected on it and on its frames, nothing kept yet.
// Our own toolkit's windows and the root are never followed: selecting on them would replace the
// events the toolkit selected. True when w's facts may be kept.
namespace {
bool Follow(WindowFacts::Kept& k, XWindowId w);
}  // namespace

WmActions WindowFacts::AllowedActions(XWindowId w) {
    Kept& k = *kept_;
    return Answer(k.InRound(), Follow(k, w), k.actions, [w] { return ReadAllowedActions(w); });
}

WindowKind WindowFacts::Kind(XWindowId w) {
    Kept& k = *kept_;
    return Answer(k.InRound(), Follow(k, w), k.kind, [w] { return ReadWindowKind(w); });
}

std::optional<WmState> WindowFacts::State(XWindowId w) {
    Kept& k = *kept_;
    return Answer(k.InRound(), Follow(k, w), k.state, [w] { return ReadWmState(w); });
}

std::optional<FrameExtents> WindowFacts::Extents(XWindowId w) {
    Kept& k = *kept_;
    return Answer(k.InRound(), Follow(k, w), k.extents, [w] { return ReadExtents(w); });
}

std::optional<FrameExtents> WindowFacts::GtkExtents(XWindowId w) {
    Kept& k = *kept_;
    return Answer(k.InRound(), Follow(k, w), k.gtkExtents, [w] { return ReadGtkExtents(w); });
}

std::optional<PixelRect> WindowFacts::OuterRect(XWindowId w) {
    Kept& k = *kept_;
    if (!k.InRound())
        return ReadOuterRect(w);
    const std::optional<PixelRect> box = Answer(true, Follow(k, w), k.box, [w] { return ReadBorderBox(w); });
    if (!box)
        return std::nullopt;
    return OuterFromBox(*box, Extents(w));
}

namespace {

bool Follow(WindowFacts::Kept& k, XWindowId w) {
    if (!k.InRound() || w == 0)
        return false;
    if (w == k.followed && !k.refollow)
        return k.followedWatched;
    k.followSerial = NextRequest(fl_display);
    XErrorTrap trap;
    k.DropWatch(w);
    k.followed = w;
    if (w == Root() || fl_find(w)) {
        trap.Sync();  // the errors of windows gone meanwhile arrive here, not at the toolkit
        return false;
    }
    XSelectInput(fl_display, w, kFollowedMask);
    // Up to the root, each frame watched for moves before it is asked for its parent: every
    // selection is followed by a request with a reply, which tells whether the window was there.
    Window current = w;
    for (int depth = 0; depth <= kMaxFrameDepth; ++depth) {
        Window root = 0;
        Window parent = 0;
        Window* children = nullptr;
        unsigned count = 0;
        if (!XQueryTree(fl_display, current, &root, &parent, &children, &count)) {
            // A window that is gone stays gone: its answers (nothing) are kept. A frame that went
            // meanwhile is watched afresh next time.
            if (current == w) {
                k.followedGone = true;
                k.followedWatched = true;
                return true;
            }
            k.refollow = true;
            return false;
        }
        if (children)
            XFree(children);
        if (parent == 0 || parent == root) {
            k.followedWatched = true;
            return true;
        }
        XSelectInput(fl_display, parent, StructureNotifyMask);
        k.frames.push_back(parent);
        current = parent;
    }
    return false;
}

}  // namespace

}  // namespace platform::x11
