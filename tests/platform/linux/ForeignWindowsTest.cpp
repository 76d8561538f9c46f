// Other programs' windows read through the Linux platform on a real X server, without a window
// manager: the test plays the manager's part by setting the EWMH properties itself, from a second
// X connection. Also the X error trap, and the popup menu driven by keys. Skipped without $DISPLAY.
#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "platform/linux/XServerFixture.h"
#include "platform/linux/wm/ForeignMapping.h"
#include "platform/linux/x11/XErrorTrap.h"
#include "platform/linux/x11/XProperties.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xrandr.h>
#include <X11/keysym.h>

namespace {

using namespace platform;
using platform::x11::ForeignHandle;
using xtest::Recorder;

class ForeignWindowsTest : public xtest::XServerTest {
protected:
    void TearDown() override {
        for (const Window w : created_)
            XDestroyWindow(x_, w);
        for (const char* name :
             {"_NET_ACTIVE_WINDOW", "_NET_SUPPORTING_WM_CHECK", "_NET_WORKAREA", "_NET_CURRENT_DESKTOP"})
            if (x_)
                XDeleteProperty(x_, DefaultRootWindow(x_), Intern(name));
        XServerTest::TearDown();
    }
    ::Atom Intern(const char* name) { return XInternAtom(x_, name, False); }

    // Another program's window: client area at (x, y) of the root, never mapped (no manager needed).
    Window CreateForeign(int x, int y, int w, int h, unsigned border = 0) {
        const Window win = XCreateSimpleWindow(x_, DefaultRootWindow(x_), x, y, w, h, border, 0, 0);
        created_.push_back(win);
        XSync(x_, False);
        return win;
    }
    void SetAtoms(Window w, const char* property, const std::vector<const char*>& names) {
        std::vector<long> atoms;
        for (const char* name : names)
            atoms.push_back(static_cast<long>(Intern(name)));
        XChangeProperty(x_, w, Intern(property), XA_ATOM, 32, PropModeReplace,
                        reinterpret_cast<unsigned char*>(atoms.data()), static_cast<int>(atoms.size()));
        XSync(x_, False);
    }
    void SetCardinals(Window w, const char* property, Atom type, std::vector<long> values) {
        XChangeProperty(x_, w, Intern(property), type, 32, PropModeReplace,
                        reinterpret_cast<unsigned char*>(values.data()), static_cast<int>(values.size()));
        XSync(x_, False);
    }
    // Two RandR monitors splitting the screen in halves, the left one primary and on the screen's
    // output (as xrandr --setmonitor makes them), the right one on none; false without RandR 1.5.
    bool SetHalfMonitors(bool defined) {
        int event = 0, error = 0, major = 0, minor = 0;
        if (!XRRQueryExtension(x_, &event, &error) || !XRRQueryVersion(x_, &major, &minor) || major * 100 + minor < 105)
            return false;
        const Window root = DefaultRootWindow(x_);
        for (const char* name : {"VIGILON-R", "VIGILON-L"})
            if (!defined)
                XRRDeleteMonitor(x_, root, Intern(name));
        XRRScreenResources* resources = XRRGetScreenResources(x_, root);
        for (const bool left : {true, false}) {
            if (!defined || !resources || resources->noutput < 1)
                break;
            XRRMonitorInfo* m = XRRAllocateMonitor(x_, left ? 1 : 0);
            m->name = Intern(left ? "VIGILON-L" : "VIGILON-R");
            m->primary = left;
            m->x = left ? 0 : Width() / 2;
            m->width = Width() / 2;
            m->height = Height();
            m->mwidth = m->mheight = 200;
            if (left)
                m->outputs[0] = resources->outputs[0];
            XRRSetMonitor(x_, root, m);
            XRRFreeMonitors(m);
        }
        XRRFreeScreenResources(resources);
        XSync(x_, False);
        return true;
    }
    void SetWindow(Window on, const char* property, Window value) {
        SetCardinals(on, property, XA_WINDOW, {static_cast<long>(value)});
    }
    // The test plays a window manager: its check window, named.
    Window PlayManager(std::string_view name = "Openbox") {
        const Window check = CreateForeign(0, 0, 1, 1);
        SetWindow(check, "_NET_SUPPORTING_WM_CHECK", check);
        SetName(check, name);
        SetWindow(DefaultRootWindow(x_), "_NET_SUPPORTING_WM_CHECK", check);
        return check;
    }
    void SetName(Window w, std::string_view name) {
        XChangeProperty(x_, w, Intern("_NET_WM_NAME"), Intern("UTF8_STRING"), 8, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(name.data()), static_cast<int>(name.size()));
        XSync(x_, False);
    }
    int Width() { return DisplayWidth(x_, DefaultScreen(x_)); }
    int Height() { return DisplayHeight(x_, DefaultScreen(x_)); }
    std::vector<Window> created_;
};

TEST_F(ForeignWindowsTest, StylesStateRectAndMetricsOfAFramedWindowOrOfExtremeExtents) {
    const Window win = CreateForeign(100, 50, 300, 200);
    const WindowHandle h = ForeignHandle(win);
    SetAtoms(win, "_NET_WM_ALLOWED_ACTIONS",
             {"_NET_WM_ACTION_MOVE", "_NET_WM_ACTION_MINIMIZE", "_NET_WM_ACTION_MAXIMIZE_VERT", "_NET_WM_ACTION_RESIZE",
              "_NET_WM_ACTION_CLOSE"});
    SetCardinals(win, "_NET_FRAME_EXTENTS", XA_CARDINAL, {2, 3, 24, 5});
    EXPECT_EQ(P().Desktop().GetWindowStyle(h), kStyleMinimizeBox | kStyleMaximizeBox | kStyleThickFrame);
    EXPECT_EQ(P().Desktop().GetWindowExStyle(h), 0u);
    EXPECT_EQ(P().Desktop().GetWindowRect(h), (PixelRect{98, 26, 403, 255}));
    // The title bar inside the side borders, under a top border as thick as the left one.
    const CaptionGeometry caption = P().Desktop().GetCaptionGeometry(h);
    EXPECT_EQ(caption.window, (PixelRect{98, 26, 403, 255}));
    EXPECT_EQ(caption.titleBar, (PixelRect{100, 28, 400, 50}));
    EXPECT_FALSE(caption.headerBar);
    EXPECT_EQ(P().Desktop().GetSystemMetric(Metric::ScreenWidth, h), Width());

    // The placement rectangle is the frame's; a window maximised one way only is a normal one.
    const std::pair<std::vector<const char*>, std::int32_t> states[] = {
        {{}, kShowNormal},
        {{"_NET_WM_STATE_MAXIMIZED_HORZ"}, kShowNormal},
        {{"_NET_WM_STATE_MAXIMIZED_HORZ", "_NET_WM_STATE_MAXIMIZED_VERT"}, kShowMaximized},
        {{"_NET_WM_STATE_MAXIMIZED_VERT", "_NET_WM_STATE_MAXIMIZED_HORZ", "_NET_WM_STATE_HIDDEN"}, kShowMinimized}};
    for (const auto& [names, showCmd] : states) {
        SetAtoms(win, "_NET_WM_STATE", names);
        const WindowPlacement placement = P().Desktop().GetWindowPlacement(h);
        EXPECT_EQ(placement.showCmd, showCmd) << names.size();
        EXPECT_EQ(placement.normalPosition, (PixelRect{98, 26, 403, 255}));
    }

    // An unmanaged window (no extents, an X border of its own): the border is part of the rectangle,
    // and no title bar is drawn on it but its own.
    const Window bare = CreateForeign(10, 20, 50, 40, 2);
    EXPECT_EQ(P().Desktop().GetWindowRect(ForeignHandle(bare)), (PixelRect{10, 20, 64, 64}));
    EXPECT_EQ(P().Desktop().GetWindowStyle(ForeignHandle(bare)), 0u);
    EXPECT_TRUE(P().Desktop().GetCaptionGeometry(ForeignHandle(bare)).headerBar);
    EXPECT_EQ(P().Desktop().GetCaptionGeometry(ForeignHandle(bare)).titleBar, (PixelRect{10, 20, 64, 20}));

    // Any client may set a window's extents: values no frame can have make it an unframed window, and
    // nothing overflows on the way (UBSan watches in the debug build).
    SetAtoms(win, "_NET_WM_STATE", {});
    const std::vector<long> hostile[] = {
        {2147483647, 2147483647, 2147483647, 2147483647}, {0, 0, 2147483647, 0}, {-1, -1, -1, -1}, {40000, 0, 0, 0}};
    for (const std::vector<long>& extents : hostile) {
        SetCardinals(win, "_NET_FRAME_EXTENTS", XA_CARDINAL, extents);
        EXPECT_EQ(platform::x11::ReadExtents(win), std::nullopt) << extents[0];
        EXPECT_EQ(P().Desktop().GetWindowRect(h), (PixelRect{100, 50, 400, 250})) << extents[0];
        EXPECT_TRUE(P().Desktop().GetCaptionGeometry(h).headerBar) << extents[0];
        EXPECT_EQ(P().Desktop().GetWindowPlacement(h).normalPosition, (PixelRect{100, 50, 400, 250})) << extents[0];
    }
    SetCardinals(win, "_NET_FRAME_EXTENTS", XA_CARDINAL, {32767, 0, 32767, 0});              // the largest that can be
    EXPECT_EQ(P().Desktop().GetCaptionGeometry(h).titleBar, (PixelRect{100, 50, 400, 50}));  // all border
    EXPECT_EQ(P().Desktop().GetWindowRect(h), (PixelRect{100 - 32767, 50 - 32767, 400, 250}));
}

TEST_F(ForeignWindowsTest, WindowTypesDecideInOrderOfPreference) {
    const Window win = CreateForeign(0, 0, 10, 10);
    SetAtoms(win, "_NET_WM_ALLOWED_ACTIONS", {"_NET_WM_ACTION_MINIMIZE", "_NET_WM_ACTION_MAXIMIZE_VERT"});
    const std::uint32_t boxes = kStyleMinimizeBox | kStyleMaximizeBox;
    // Tool windows keep their boxes; a dialog has none, whatever the manager allows.
    const std::tuple<std::vector<const char*>, std::uint32_t, std::uint32_t> cases[] = {
        {{"_NET_WM_WINDOW_TYPE_UTILITY"}, kExStyleToolWindow, boxes},
        {{"_KDE_NET_WM_WINDOW_TYPE_OVERRIDE", "_NET_WM_WINDOW_TYPE_TOOLBAR"}, kExStyleToolWindow, boxes},
        {{"_NET_WM_WINDOW_TYPE_NORMAL", "_NET_WM_WINDOW_TYPE_UTILITY"}, 0, boxes},
        {{"_NET_WM_WINDOW_TYPE_DIALOG"}, 0, 0},
        {{"_NET_WM_WINDOW_TYPE_NORMAL", "_NET_WM_WINDOW_TYPE_DIALOG"}, 0, boxes},
        {{}, 0, boxes}};
    for (const auto& [types, exStyle, style] : cases) {
        SetAtoms(win, "_NET_WM_WINDOW_TYPE", types);
        const char* what = types.empty() ? "none" : types.back();
        EXPECT_EQ(P().Desktop().GetWindowExStyle(ForeignHandle(win)), exStyle) << what;
        EXPECT_EQ(P().Desktop().GetWindowStyle(ForeignHandle(win)), style) << what;
    }
    // Without a type, a transient window is a dialog; with one, the type decides.
    XSetTransientForHint(x_, win, DefaultRootWindow(x_));
    XDeleteProperty(x_, win, Intern("_NET_WM_WINDOW_TYPE"));
    XSync(x_, False);
    EXPECT_EQ(P().Desktop().GetWindowStyle(ForeignHandle(win)), 0u);
    SetAtoms(win, "_NET_WM_WINDOW_TYPE", {"_NET_WM_WINDOW_TYPE_NORMAL"});
    EXPECT_EQ(P().Desktop().GetWindowStyle(ForeignHandle(win)), boxes);
}

int g_earlierErrors = 0;
int CountEarlierError(Display*, XErrorEvent*) {
    ++g_earlierErrors;
    return 0;
}

TEST_F(ForeignWindowsTest, ErrorTrapTakesOnlyErrorsOfItsOwnRequests) {
    fl_open_display();
    const XErrorHandler fltk = XSetErrorHandler(&CountEarlierError);
    g_earlierErrors = 0;
    const Window gone = 0x1FFFFFF0;
    XMapWindow(fl_display, gone);  // one-way: its error arrives later, within the trap
    {
        x11::XErrorTrap trap;
        XWindowAttributes a;
        XGetWindowAttributes(fl_display, DefaultRootWindow(fl_display), &a);
        EXPECT_FALSE(trap.Caught());
        EXPECT_EQ(g_earlierErrors, 1);
        {
            x11::XErrorTrap inner;
            XGetWindowAttributes(fl_display, gone, &a);
            EXPECT_TRUE(inner.Caught());
        }
        EXPECT_FALSE(trap.Caught());
        XMapWindow(fl_display, gone);
        trap.Sync();
        EXPECT_TRUE(trap.Caught());
    }
    // The previous handler is back once the trap is gone.
    XMapWindow(fl_display, gone);
    XSync(fl_display, False);
    EXPECT_EQ(g_earlierErrors, 2);
    XSetErrorHandler(fltk);
}

// Also: title button layouts handed over by the settings go before the table, and new ones count at once.
TEST_F(ForeignWindowsTest, ForegroundWindowIsOursOrATaggedForeignOneAndButtonLayoutsAreHandedOver) {
    if (x11::WmRunning())
        GTEST_SKIP() << "a window manager runs on this display";
    const Window root = DefaultRootWindow(x_);
    const Window other = CreateForeign(100, 50, 300, 200);
    // A manager that died left its active window behind: nothing is in the foreground.
    SetWindow(root, "_NET_ACTIVE_WINDOW", other);
    EXPECT_EQ(P().Desktop().GetForegroundWindow(), 0u);

    PlayManager();
    SetWindow(root, "_NET_ACTIVE_WINDOW", 0);
    EXPECT_EQ(P().Desktop().GetForegroundWindow(), 0u);
    SetWindow(root, "_NET_ACTIVE_WINDOW", other);
    const WindowHandle foreign = P().Desktop().GetForegroundWindow();
    EXPECT_EQ(foreign, ForeignHandle(other));
    EXPECT_NE(foreign & x11::kForeignTag, 0u);

    SetCardinals(other, "_NET_FRAME_EXTENTS", XA_CARDINAL, {2, 3, 24, 5});
    const auto buttons = [&] { return P().Desktop().GetCaptionGeometry(foreign).buttons; };
    EXPECT_EQ(buttons(), 49);
    P().Desktop().SetTitleButtonLayouts({{"openbox", "60,58"}});
    EXPECT_EQ(buttons(), 60);
    P().Desktop().SetTitleButtonLayouts({});
    EXPECT_EQ(buttons(), 49);

    Recorder painted;
    const WindowHandle ours = Create(60, 20, 30, 40, painted);
    ASSERT_TRUE(Show(ours, painted));
    // The kept focus relies on our windows hearing focus changes.
    XWindowAttributes a{};
    ASSERT_TRUE(XGetWindowAttributes(fl_display, XWindow(), &a));
    EXPECT_NE(a.your_event_mask & FocusChangeMask, 0);
    // No manager names our borderless window active; holding the keyboard focus makes it the foreground.
    XSetInputFocus(x_, XWindow(), RevertToPointerRoot, CurrentTime);
    XSync(x_, False);
    EXPECT_EQ(P().Desktop().GetForegroundWindow(), ours);
    // Ours has no boxes; its placement is its own rectangle.
    EXPECT_EQ(P().Desktop().GetWindowStyle(ours), 0u);
    EXPECT_EQ(P().Desktop().GetWindowPlacement(ours).normalPosition, (PixelRect{30, 40, 90, 60}));
    EXPECT_EQ(P().Desktop().GetSystemMetric(Metric::CaptionHeight, ours), 19);
    XSetInputFocus(x_, PointerRoot, RevertToPointerRoot, CurrentTime);
}

// Two monitors side by side (SetHalfMonitors), the left one primary.
TEST_F(ForeignWindowsTest, AWindowsMonitorIsTheRandrMonitorHoldingMostOfIt) {
    if (!SetHalfMonitors(true))
        GTEST_SKIP() << "no RandR 1.5 on this display";
    const int width = Width(), height = Height();
    const PixelRect left{0, 0, width / 2, height}, right{width / 2, 0, width, height};
    const WindowHandle inRight = ForeignHandle(CreateForeign(width / 2 + 10, 40, 100, 100));
    const WindowHandle maximizedLeft = ForeignHandle(CreateForeign(0, 20, width / 2, height - 20));
    const WindowHandle mostlyRight = ForeignHandle(CreateForeign(width / 2 - 20, 40, 100, 100));
    EXPECT_EQ(P().Desktop().GetMonitorRect(inRight), right);
    EXPECT_EQ(P().Desktop().GetMonitorRect(maximizedLeft), left);
    EXPECT_EQ(P().Desktop().GetMonitorRect(mostlyRight), right);
    EXPECT_EQ(P().Desktop().GetMonitorRect(0), left);  // the primary

    SetHalfMonitors(false);
    EXPECT_EQ(P().Desktop().GetMonitorRect(inRight), (PixelRect{0, 0, width, height}));
}

// Full-screen: the manager's state, or no frame and the whole monitor covered; never the desktop, a
// dock or the root. The display's one monitor is the whole screen.
TEST_F(ForeignWindowsTest, FullScreenIsTheStateOrAnUnframedWindowOverItsMonitor) {
    const int width = Width(), height = Height();
    const PixelRect screen{0, 0, width, height};
    struct Row {
        const char* what;
        PixelRect client;
        std::vector<const char*> state;
        std::vector<long> extents;  // none: no _NET_FRAME_EXTENTS
        const char* type;
        bool fullScreen;
    };
    const Row rows[] = {
        {"the manager's state", {100, 100, 400, 300}, {"_NET_WM_STATE_FULLSCREEN"}, {2, 2, 20, 2}, nullptr, true},
        {"unframed over the screen", screen, {}, {}, nullptr, true},
        {"zero extents over the screen", screen, {}, {0, 0, 0, 0}, nullptr, true},
        {"framed over the screen", screen, {}, {0, 0, 20, 0}, nullptr, false},
        {"unframed, a pixel short", {0, 0, width, height - 1}, {}, {}, nullptr, false},
        {"the desktop", screen, {}, {}, "_NET_WM_WINDOW_TYPE_DESKTOP", false},
        {"a dock in full-screen state", screen, {"_NET_WM_STATE_FULLSCREEN"}, {}, "_NET_WM_WINDOW_TYPE_DOCK", false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        const Window win = CreateForeign(r.client.left, r.client.top, r.client.Width(), r.client.Height());
        SetAtoms(win, "_NET_WM_STATE", r.state);
        if (!r.extents.empty())
            SetCardinals(win, "_NET_FRAME_EXTENTS", XA_CARDINAL, r.extents);
        if (r.type)
            SetAtoms(win, "_NET_WM_WINDOW_TYPE", {r.type});
        EXPECT_EQ(P().Desktop().FullScreenMonitor(ForeignHandle(win)),
                  r.fullScreen ? std::optional(screen) : std::nullopt);
    }
    EXPECT_EQ(P().Desktop().FullScreenMonitor(ForeignHandle(DefaultRootWindow(x_))), std::nullopt);
}

// What the follow tick asks of the desktop, in its order.
struct TickAnswers {
    WindowHandle active = 0;
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    WindowPlacement placement;
    PixelRect rect;
    PixelRect monitor;
    CaptionGeometry caption;
    std::optional<PixelRect> fullScreen;
    auto Tie() const {
        const CaptionGeometry& c = caption;
        return std::tie(active, style, exStyle, placement.showCmd, placement.normalPosition, rect, monitor, c.window,
                        c.titleBar, c.buttons, c.headerBar, c.monitor, c.workArea, fullScreen);
    }
    bool operator==(const TickAnswers& o) const { return Tie() == o.Tie(); }
};

// The follow tick's answers kept between its rounds must be the ones a fresh read gives, whatever
// the manager (played by the test) does to the followed window; and a round with no news since the
// last one sends the server no request at all.
TEST_F(ForeignWindowsTest, FollowRoundsAnswerAsFreshReadsAndAskNothingWithoutNews) {
    if (x11::WmRunning())
        GTEST_SKIP() << "a window manager runs on this display";
    const Window root = DefaultRootWindow(x_);
    const Window check = PlayManager();
    // A client in a frame, as a reparenting manager makes it: title bar 24, borders 5.
    Window frame = CreateForeign(100, 50, 410, 329);
    const Window client = CreateForeign(0, 0, 400, 300);
    const Window other = CreateForeign(600, 400, 100, 100);
    XReparentWindow(x_, client, frame, 5, 24);
    SetCardinals(client, "_NET_FRAME_EXTENTS", XA_CARDINAL, {5, 5, 24, 5});
    SetAtoms(client, "_NET_WM_ALLOWED_ACTIONS",
             {"_NET_WM_ACTION_MINIMIZE", "_NET_WM_ACTION_MAXIMIZE_HORZ", "_NET_WM_ACTION_RESIZE"});
    SetWindow(root, "_NET_ACTIVE_WINDOW", client);

    const auto read = [&] {
        TickAnswers a;
        a.active = P().Desktop().GetForegroundWindow();
        a.style = P().Desktop().GetWindowStyle(a.active);
        a.exStyle = P().Desktop().GetWindowExStyle(a.active);
        a.placement = P().Desktop().GetWindowPlacement(a.active);
        a.rect = P().Desktop().GetWindowRect(a.active);
        a.monitor = P().Desktop().GetMonitorRect(a.active);
        a.caption = P().Desktop().GetCaptionGeometry(a.active);
        a.fullScreen = P().Desktop().FullScreenMonitor(a.active);
        return a;
    };
    // The events of the test's changes reach the toolkit's connection before a round begins.
    const auto inRound = [&] {
        XSync(fl_display, False);
        const WindowFactsRound round;
        return read();
    };
    const auto requestsOfAQuietRound = [&] {
        XSync(fl_display, False);
        const unsigned long before = NextRequest(fl_display);
        inRound();
        return NextRequest(fl_display) - before - 1;  // less inRound's own sync
    };

    const auto apply = [&](const std::function<void()>& change) {
        change();
        XSync(x_, False);
    };
    const auto setActive = [&](Window w) { SetWindow(root, "_NET_ACTIVE_WINDOW", w); };
    const auto setExtents = [&](const char* property, std::vector<long> values) {
        SetCardinals(client, property, XA_CARDINAL, std::move(values));
    };
    // clang-format off
    const std::pair<const char*, std::function<void()>> changes[] = {
        {"first sight", [] {}},
        {"frame moved", [&] { XMoveWindow(x_, frame, 220, 90); }},
        {"client and frame resized", [&] { XResizeWindow(x_, frame, 610, 429); XResizeWindow(x_, client, 600, 400); }},
        {"frame extents", [&] { setExtents("_NET_FRAME_EXTENTS", {3, 3, 30, 3}); }},
        {"maximised", [&] {
             SetAtoms(client, "_NET_WM_STATE", {"_NET_WM_STATE_MAXIMIZED_VERT", "_NET_WM_STATE_MAXIMIZED_HORZ"});
         }},
        {"full-screen", [&] { SetAtoms(client, "_NET_WM_STATE", {"_NET_WM_STATE_FULLSCREEN"}); }},
        {"restored", [&] { SetAtoms(client, "_NET_WM_STATE", {}); }},
        {"size hints (nothing the tick reads)", [&] {
             XSizeHints hints{};
             hints.flags = PMinSize;
             hints.min_width = hints.min_height = 50;
             XSetWMNormalHints(x_, client, &hints);
         }},
        {"actions", [&] { SetAtoms(client, "_NET_WM_ALLOWED_ACTIONS", {"_NET_WM_ACTION_MAXIMIZE_VERT"}); }},
        {"type", [&] { SetAtoms(client, "_NET_WM_WINDOW_TYPE", {"_NET_WM_WINDOW_TYPE_UTILITY"}); }},
        {"frame replaced", [&] {
             const Window old = frame;
             frame = CreateForeign(40, 30, 606, 433);
             XReparentWindow(x_, client, frame, 3, 30);
             XDestroyWindow(x_, old);
             created_.erase(std::find(created_.begin(), created_.end(), old));
         }},
        {"new frame moved", [&] { XMoveWindow(x_, frame, 10, 20); }},
        {"minimised", [&] { SetAtoms(client, "_NET_WM_STATE", {"_NET_WM_STATE_HIDDEN"}); XUnmapWindow(x_, client); }},
        {"another window active", [&] { SetAtoms(client, "_NET_WM_STATE", {}); setActive(other); }},
        {"the first again", [&] { setActive(client); }},
        {"the other moved while not followed", [&] { XMoveWindow(x_, other, 300, 300); }},
        // Halves, the left one primary on the screen's output: the window moves to the left one.
        {"monitors defined", [&] { SetHalfMonitors(true); }},
        {"monitors removed", [&] { SetHalfMonitors(false); }},
        {"manager renamed", [&] { SetName(check, "xfwm4"); }},
        {"work area", [&] { SetCardinals(root, "_NET_WORKAREA", XA_CARDINAL, {0, 32, 640, 400, 0, 0, 800, 600}); }},
        {"another desktop", [&] { SetCardinals(root, "_NET_CURRENT_DESKTOP", XA_CARDINAL, {1}); }},
        {"a header bar: no title bar from the manager", [&] { setExtents("_NET_FRAME_EXTENTS", {0, 0, 0, 0}); }},
        {"its shadow", [&] { setExtents("_GTK_FRAME_EXTENTS", {26, 26, 23, 29}); }},
        {"its shadow when maximised", [&] { setExtents("_GTK_FRAME_EXTENTS", {0, 0, 0, 0}); }},
    };
    // clang-format on
    for (const auto& [what, change] : changes) {
        SCOPED_TRACE(what);
        apply(change);
        const TickAnswers kept = inRound();
        EXPECT_EQ(kept, read());
        EXPECT_EQ(kept.fullScreen.has_value(), std::string_view(what) == "full-screen");
        EXPECT_EQ(requestsOfAQuietRound(), 0u);
        EXPECT_EQ(inRound(), kept);
    }

    // With no window active our events on the last one and its frame are dropped.
    const auto ourMask = [&](Window w) {
        XWindowAttributes a{};
        XGetWindowAttributes(x_, w, &a);
        return a.all_event_masks;  // the test's connection selects nothing there
    };
    ASSERT_NE(ourMask(client), 0);
    apply([&] { setActive(0); });
    EXPECT_EQ(inRound().active, 0u);
    EXPECT_EQ(ourMask(client), 0);
    EXPECT_EQ(ourMask(frame), 0);
    apply([&] { setActive(client); });
    EXPECT_EQ(inRound(), read());

    // The followed window vanishes: it reads as nothing, quietly, in a round and out of one; so does
    // no handle at all.
    testing::internal::CaptureStderr();
    XDestroyWindow(x_, client);
    created_.erase(std::find(created_.begin(), created_.end(), client));
    XSync(x_, False);
    const TickAnswers gone = inRound();
    EXPECT_EQ(std::tie(gone.style, gone.exStyle, gone.placement.showCmd), std::tuple(0u, 0u, 0));
    EXPECT_EQ(std::tie(gone.rect, gone.placement.normalPosition), std::tuple(PixelRect{}, PixelRect{}));
    EXPECT_EQ(gone.caption.titleBar.Width(), 0);
    EXPECT_EQ(gone, read());
    EXPECT_EQ(requestsOfAQuietRound(), 0u);
    EXPECT_EQ(std::pair(P().Desktop().GetWindowPlacement(0).showCmd, P().Desktop().GetWindowStyle(0)),
              std::pair(0, 0u));
    XSync(fl_display, False);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST_F(ForeignWindowsTest, PopupMenuHangsFromThePointCentredAndAnswersKeys) {
    Recorder painted;
    const WindowHandle owner = Create(60, 20, 0, 0, painted);
    const std::vector<std::string> captions = {"設定(&S)", "-", "バージョン情報(&A)", "終了(&X)"};
    // Keys go to the menu window from a timer, which also shows that timers tick while it is open.
    PixelRect menu;
    std::vector<KeySym> keys;
    int ticks = 0;
    const TimerId timer = P().Loop().StartTimer(50, [&] {
        ++ticks;
        Fl_Window* shown = Fl::grab();
        if (!shown || keys.empty())
            return;
        menu = {shown->x(), shown->y(), shown->x() + shown->w(), shown->y() + shown->h()};
        XEvent e{};
        e.xkey.type = KeyPress;
        e.xkey.window = fl_xid(shown);
        e.xkey.root = DefaultRootWindow(x_);
        e.xkey.same_screen = True;
        e.xkey.keycode = XKeysymToKeycode(x_, keys.front());
        keys.erase(keys.begin());
        XSendEvent(x_, e.xkey.window, True, KeyPressMask, &e);
        XFlush(x_);
    });

    keys = {XK_Escape};
    EXPECT_EQ(P().Windows().TrackPopupMenu(owner, captions, {400, 300}), -1);
    EXPECT_GT(ticks, 0);
    EXPECT_EQ(menu.top, 300);
    EXPECT_LE(std::abs((menu.left + menu.right) / 2 - 400), 1) << menu.left << ".." << menu.right;
    EXPECT_GT(menu.Width(), 60);

    // Down, down: past the divider to the second line, which is caption 2.
    keys = {XK_Down, XK_Down, XK_Return};
    EXPECT_EQ(P().Windows().TrackPopupMenu(owner, captions, {400, 300}), 2);
    P().Loop().StopTimer(timer);
    EXPECT_EQ(P().Windows().TrackPopupMenu(owner, {"-"}, {400, 300}), -1);  // nothing to show
}

}  // namespace
