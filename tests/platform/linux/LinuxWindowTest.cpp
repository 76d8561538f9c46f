// The Linux platform's windows on a real X server, checked from a second X connection: placement,
// size, window-manager state, the drawn thin frame, hiding, dialogs, close requests and a window
// destroyed by its own handler. Skipped without $DISPLAY; run under Xvfb (with openbox for the
// checks that need a window manager).
#include <gtest/gtest.h>

#include <unistd.h>
#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/Platform.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>
#undef None  // X's macro would rewrite WindowFrame::None; X's None is 0 below

namespace {

using platform::Color;
using platform::MouseEvent;
using platform::PixelRect;
using platform::WindowFrame;
using platform::WindowHandle;
using platform::WindowSpec;

struct Recorder : platform::WindowListener {
    int paints = 0;
    int downs = 0;
    int closeRequests = 0;
    int keys = 0;
    std::function<void()> onDown;
    void OnPaint(platform::Canvas&) override { ++paints; }
    void OnMouseDown(const MouseEvent&) override {
        ++downs;
        if (onDown)
            onDown();
    }
    void OnKeyDown(int, int) override { ++keys; }
    void OnCloseRequest() override { ++closeRequests; }
};

class LinuxWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        const char* display = std::getenv("DISPLAY");
        if (!display || !*display || !(x_ = XOpenDisplay(nullptr)))
            GTEST_SKIP() << "no X display";
        platform_ = platform::CreatePlatform();
        platform::Install(platform_.get());
    }
    void TearDown() override {
        platform_.reset();
        if (x_)
            XCloseDisplay(x_);
    }

    platform::Platform& P() { return *platform_; }

    // Runs the platform's loop until done() holds or ms pass.
    bool PumpUntil(const std::function<bool()>& done, int ms = 3000) {
        bool reached = done();
        if (reached)
            return true;
        const auto poll = P().StartTimer(10, [&] {
            if (done()) {
                reached = true;
                P().QuitLoop();
            }
        });
        const auto guard = P().StartTimer(static_cast<std::uint32_t>(ms), [&] { P().QuitLoop(); });
        P().RunLoop();
        P().StopTimer(poll);
        P().StopTimer(guard);
        return reached;
    }
    void Pump(int ms) {
        PumpUntil([] { return false; }, ms);
    }

    WindowHandle Create(WindowFrame frame, int w, int h, platform::WindowListener& l, Color bg = {255, 255, 255}) {
        title_ = "vigilon-test-" + std::to_string(::getpid()) + "-" + std::to_string(++count_);
        return P().CreateFormWindow(WindowSpec{title_, w, h, frame, bg}, l);
    }

    // The X window of the last created window, by its unique title (0 while it has none).
    Window XWindow() { return Find(DefaultRootWindow(x_)); }
    Window Find(Window w) {
        char* name = nullptr;
        if (XFetchName(x_, w, &name) && name) {
            const bool match = title_ == name;
            XFree(name);
            if (match)
                return w;
        }
        Window root = 0, parent = 0, *children = nullptr;
        unsigned n = 0;
        Window found = 0;
        if (XQueryTree(x_, w, &root, &parent, &children, &n)) {
            for (unsigned i = 0; i < n && !found; ++i)
                found = Find(children[i]);
            if (children)
                XFree(children);
        }
        return found;
    }
    bool Viewable(Window w) {
        XWindowAttributes a;
        return w && XGetWindowAttributes(x_, w, &a) && a.map_state == IsViewable;
    }
    std::pair<int, int> RootPosition(Window w) {
        int x = 0, y = 0;
        Window child = 0;
        XTranslateCoordinates(x_, w, DefaultRootWindow(x_), 0, 0, &x, &y, &child);
        return {x, y};
    }
    bool HasState(Window w, const char* state) {
        const Atom wanted = XInternAtom(x_, state, False);
        Atom type = 0;
        int format = 0;
        unsigned long n = 0, rest = 0;
        unsigned char* data = nullptr;
        XGetWindowProperty(x_, w, XInternAtom(x_, "_NET_WM_STATE", False), 0, 64, False, XA_ATOM, &type, &format, &n,
                           &rest, &data);
        bool found = false;
        for (unsigned long i = 0; data && i < n; ++i)
            found = found || reinterpret_cast<Atom*>(data)[i] == wanted;
        if (data)
            XFree(data);
        return found;
    }
    std::optional<unsigned long> Cardinal(Window w, const char* property) {
        Atom type = 0;
        int format = 0;
        unsigned long n = 0, rest = 0;
        unsigned char* data = nullptr;
        XGetWindowProperty(x_, w, XInternAtom(x_, property, False), 0, 1, False, XA_CARDINAL, &type, &format, &n, &rest,
                           &data);
        std::optional<unsigned long> value;
        if (data && n == 1)
            value = reinterpret_cast<unsigned long*>(data)[0] & 0xFFFFFFFFUL;  // Xlib sign-extends
        if (data)
            XFree(data);
        return value;
    }
    bool HasWindowManager() {
        Atom type = 0;
        int format = 0;
        unsigned long n = 0, rest = 0;
        unsigned char* data = nullptr;
        XGetWindowProperty(x_, DefaultRootWindow(x_), XInternAtom(x_, "_NET_SUPPORTING_WM_CHECK", False), 0, 1, False,
                           XA_WINDOW, &type, &format, &n, &rest, &data);
        if (data)
            XFree(data);
        return n == 1;
    }
    unsigned long Pixel(Window w, int x, int y) {
        XImage* image = XGetImage(x_, w, x, y, 1, 1, AllPlanes, ZPixmap);
        if (!image)
            return 0xDEADBEEF;
        const unsigned long pixel = XGetPixel(image, 0, 0) & 0xFFFFFF;
        XDestroyImage(image);
        return pixel;
    }
    void Send(Window w, XEvent e, long mask) {
        e.xany.window = w;
        XSendEvent(x_, w, False, mask, &e);
        XFlush(x_);
    }

    Display* x_ = nullptr;
    std::unique_ptr<platform::Platform> platform_;
    std::string title_;
    int count_ = 0;
};

TEST_F(LinuxWindowTest, BorderlessWindowHasTheAskedPlaceAndSizeAndNoTaskbarEntry) {
    Recorder r;
    const WindowHandle w = Create(WindowFrame::None, 232, 20, r);
    P().MoveWindow(w, 123, 45);
    EXPECT_FALSE(P().IsVisible(w));
    P().SetVisible(w, true);
    EXPECT_TRUE(P().IsVisible(w));
    ASSERT_TRUE(PumpUntil([&] { return Viewable(XWindow()) && r.paints > 0; }));
    const Window xw = XWindow();
    XWindowAttributes a;
    XGetWindowAttributes(x_, xw, &a);
    EXPECT_EQ(a.width, 232);
    EXPECT_EQ(a.height, 20);
    EXPECT_EQ(RootPosition(xw), std::make_pair(123, 45));
    EXPECT_EQ(P().GetWindowRect(w), (PixelRect{123, 45, 355, 65}));
    EXPECT_TRUE(HasState(xw, "_NET_WM_STATE_SKIP_TASKBAR"));
    EXPECT_TRUE(HasState(xw, "_NET_WM_STATE_SKIP_PAGER"));
    EXPECT_FALSE(HasState(xw, "_NET_WM_STATE_ABOVE"));
}

TEST_F(LinuxWindowTest, TopMostAndOpacityBeforeAndAfterTheWindowIsMapped) {
    Recorder r;
    const WindowHandle before = Create(WindowFrame::None, 50, 20, r);
    P().SetTopMost(before);
    P().SetTranslucency(before, 200);
    P().SetVisible(before, true);
    ASSERT_TRUE(PumpUntil([&] { return Viewable(XWindow()); }));
    EXPECT_TRUE(HasState(XWindow(), "_NET_WM_STATE_ABOVE"));
    EXPECT_EQ(Cardinal(XWindow(), "_NET_WM_WINDOW_OPACITY"), 200UL * 0x01010101UL);

    const WindowHandle after = Create(WindowFrame::None, 50, 20, r);
    P().SetVisible(after, true);
    ASSERT_TRUE(PumpUntil([&] { return Viewable(XWindow()); }));
    P().SetTranslucency(after, 128);
    P().SetTopMost(after);
    EXPECT_TRUE(PumpUntil([&] { return Cardinal(XWindow(), "_NET_WM_WINDOW_OPACITY") == 128UL * 0x01010101UL; }));
    if (HasWindowManager()) {  // the manager sets the state in answer to the request
        EXPECT_TRUE(PumpUntil([&] { return HasState(XWindow(), "_NET_WM_STATE_ABOVE"); }));
    }
}

TEST_F(LinuxWindowTest, ThinBorderIsAOnePixelBlackFrameAroundTheClient) {
    Recorder r;
    const WindowHandle w = Create(WindowFrame::ThinBorder, 100, 40, r, {255, 255, 225});
    P().MoveWindow(w, 200, 150);
    P().SetVisible(w, true);
    ASSERT_TRUE(PumpUntil([&] { return Viewable(XWindow()) && r.paints > 0; }));
    Pump(50);
    EXPECT_EQ(P().GetWindowRect(w), (PixelRect{200, 150, 302, 192}));
    const Window xw = XWindow();
    EXPECT_EQ(Pixel(xw, 0, 0), 0x000000UL);
    EXPECT_EQ(Pixel(xw, 101, 41), 0x000000UL);
    EXPECT_EQ(Pixel(xw, 1, 1), 0xFFFFE1UL);
}

TEST_F(LinuxWindowTest, HiddenWindowKeepsItsPlace) {
    Recorder r;
    const WindowHandle w = Create(WindowFrame::None, 60, 20, r);
    P().MoveWindow(w, 150, 120);
    P().SetVisible(w, true);
    ASSERT_TRUE(PumpUntil([&] { return Viewable(XWindow()); }));
    P().SetVisible(w, false);
    EXPECT_FALSE(P().IsVisible(w));
    ASSERT_TRUE(PumpUntil([&] { return !Viewable(XWindow()); }));
    EXPECT_EQ(P().GetWindowRect(w), (PixelRect{150, 120, 210, 140}));
    P().MoveWindow(w, 160, 130);  // moved while hidden
    P().SetVisible(w, true);
    ASSERT_TRUE(PumpUntil([&] { return Viewable(XWindow()); }));
    EXPECT_EQ(RootPosition(XWindow()), std::make_pair(160, 130));
}

TEST_F(LinuxWindowTest, DialogIsPlacedAndMovedByItsOuterFrame) {
    if (!HasWindowManager())
        GTEST_SKIP() << "needs a window manager for the frame";
    Recorder r;
    const WindowHandle w = Create(WindowFrame::Dialog, 300, 150, r);
    const PixelRect hidden = P().GetWindowRect(w);
    P().MoveWindow(w, 300, 200);
    P().SetVisible(w, true);
    ASSERT_TRUE(PumpUntil([&] { return Viewable(XWindow()) && P().GetWindowRect(w).top == 200; }));
    const PixelRect shown = P().GetWindowRect(w);
    EXPECT_EQ(shown.left, 300);
    EXPECT_EQ(shown.Width(), hidden.Width());  // the frame was known before the first show
    EXPECT_EQ(shown.Height(), hidden.Height());
    EXPECT_GT(shown.Height(), 150);  // a caption
    const auto client = RootPosition(XWindow());
    EXPECT_GT(client.second, 200);

    P().MoveWindow(w, 320, 240);
    EXPECT_TRUE(PumpUntil([&] { return P().GetWindowRect(w).left == 320 && P().GetWindowRect(w).top == 240; }));
}

TEST_F(LinuxWindowTest, OnlyACloseRequestReachesTheListenerNotEscape) {
    Recorder r;
    const WindowHandle w = Create(WindowFrame::Dialog, 120, 60, r);
    P().SetVisible(w, true);
    ASSERT_TRUE(PumpUntil([&] { return Viewable(XWindow()); }));
    const Window xw = XWindow();

    XEvent key{};
    key.xkey.type = KeyPress;
    key.xkey.keycode = XKeysymToKeycode(x_, XK_Escape);
    key.xkey.root = DefaultRootWindow(x_);
    key.xkey.same_screen = True;
    Send(xw, key, KeyPressMask);
    Pump(100);
    EXPECT_EQ(r.closeRequests, 0);
    EXPECT_TRUE(P().IsVisible(w));

    XEvent close{};
    close.xclient.type = ClientMessage;
    close.xclient.message_type = XInternAtom(x_, "WM_PROTOCOLS", False);
    close.xclient.format = 32;
    close.xclient.data.l[0] = static_cast<long>(XInternAtom(x_, "WM_DELETE_WINDOW", False));
    Send(xw, close, 0);
    EXPECT_TRUE(PumpUntil([&] { return r.closeRequests == 1; }));
    EXPECT_TRUE(P().IsVisible(w));  // closing is the program's decision
}

TEST_F(LinuxWindowTest, WindowDestroyedByItsOwnHandlerIsSafe) {
    Recorder r;
    const WindowHandle w = Create(WindowFrame::None, 80, 20, r);
    r.onDown = [&] {
        P().DestroyWindow(w);
        P().Invalidate(w, {0, 0, 10, 10});  // a stale handle does nothing
    };
    P().MoveWindow(w, 40, 300);
    P().SetVisible(w, true);
    ASSERT_TRUE(PumpUntil([&] { return Viewable(XWindow()); }));

    XEvent press{};
    press.xbutton.type = ButtonPress;
    press.xbutton.button = Button1;
    press.xbutton.x = 5;
    press.xbutton.y = 5;
    press.xbutton.x_root = 45;
    press.xbutton.y_root = 305;
    press.xbutton.root = DefaultRootWindow(x_);
    press.xbutton.same_screen = True;
    Send(XWindow(), press, ButtonPressMask);
    ASSERT_TRUE(PumpUntil([&] { return r.downs == 1; }));
    EXPECT_TRUE(PumpUntil([&] { return XWindow() == 0; }));
    EXPECT_FALSE(P().IsVisible(w));
    EXPECT_EQ(P().GetWindowRect(w), PixelRect{});
}

}  // namespace
