// The Linux platform's windows on a real X server, found through the toolkit and checked from a second
// X connection: the bar's size, place, window-manager state and opacity, and a window destroyed by its
// own handler (as a form unloaded from its close request is). Skipped without $DISPLAY.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <memory>
#include <vector>

#include "platform/Platform.h"

#include <FL/Fl.H>
#include <FL/x.H>
#include <X11/Xatom.h>
#undef None  // X's macro would rewrite WindowFrame::None

namespace {

using platform::PixelRect;
using platform::WindowFrame;
using platform::WindowHandle;

struct Recorder : platform::WindowListener {
    int paints = 0;
    int downs = 0;
    std::function<void()> onDown;
    void OnPaint(platform::Canvas&) override { ++paints; }
    void OnMouseDown(const platform::MouseEvent&) override {
        ++downs;
        if (onDown)
            onDown();
    }
};

class LinuxWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!(x_ = XOpenDisplay(nullptr)))
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

    // Lets the toolkit handle events until done() holds or three seconds pass.
    static bool PumpUntil(const std::function<bool()>& done) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(3);
        while (!done())
            if (Fl::wait(0.01) < 0 || std::chrono::steady_clock::now() > end)
                return false;
        return true;
    }
    // A borderless window at (left, top); Show() maps it and waits until it is painted.
    WindowHandle Create(int w, int h, int left, int top, Recorder& r) {
        const WindowHandle handle = P().CreateFormWindow({"vigilon-test", w, h, WindowFrame::None, {0, 0, 0}}, r);
        P().MoveWindow(handle, left, top);
        return handle;
    }
    bool Show(WindowHandle w, const Recorder& r) {
        P().SetVisible(w, true);
        return PumpUntil([&] { return Viewable(XWindow()) && r.paints > 0; });
    }

    // The X window of the test's one shown window (0 while none is shown), once the server has it.
    static Window XWindow() {
        XSync(fl_display, False);
        return Fl::first_window() ? fl_xid(Fl::first_window()) : 0;
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
    // A property's 32-bit items (Xlib hands them over sign-extended in longs).
    std::vector<unsigned long> Property(Window w, const char* name, Atom type) {
        Atom actual = 0;
        int format = 0;
        unsigned long n = 0, rest = 0;
        unsigned char* data = nullptr;
        XGetWindowProperty(x_, w, XInternAtom(x_, name, False), 0, 64, False, type, &actual, &format, &n, &rest, &data);
        std::vector<unsigned long> items;
        for (unsigned long i = 0; data && i < n; ++i)
            items.push_back(reinterpret_cast<unsigned long*>(data)[i] & 0xFFFFFFFFUL);
        if (data)
            XFree(data);
        return items;
    }
    bool HasState(Window w, const char* state) {
        const auto states = Property(w, "_NET_WM_STATE", XA_ATOM);
        return std::find(states.begin(), states.end(), XInternAtom(x_, state, False)) != states.end();
    }
    std::vector<unsigned long> Opacity(Window w) { return Property(w, "_NET_WM_WINDOW_OPACITY", XA_CARDINAL); }

    Display* x_ = nullptr;  // the checking connection, not the toolkit's
    std::unique_ptr<platform::Platform> platform_;
};

TEST_F(LinuxWindowTest, BarIsABorderlessTopMostTranslucentClientWhereAsked) {
    Recorder r;
    const WindowHandle w = Create(232, 20, 123, 45, r);
    P().SetTopMost(w);
    P().SetTranslucency(w, 200);
    EXPECT_FALSE(P().IsVisible(w));
    ASSERT_TRUE(Show(w, r));
    EXPECT_TRUE(P().IsVisible(w));
    const Window xw = XWindow();
    XWindowAttributes a;
    ASSERT_TRUE(XGetWindowAttributes(x_, xw, &a));
    EXPECT_EQ(std::make_pair(a.width, a.height), std::make_pair(232, 20));
    EXPECT_EQ(RootPosition(xw), std::make_pair(123, 45));
    EXPECT_EQ(P().GetWindowRect(w), (PixelRect{123, 45, 355, 65}));
    EXPECT_TRUE(HasState(xw, "_NET_WM_STATE_SKIP_TASKBAR"));
    EXPECT_TRUE(HasState(xw, "_NET_WM_STATE_SKIP_PAGER"));
    EXPECT_TRUE(HasState(xw, "_NET_WM_STATE_ABOVE"));
    EXPECT_EQ(Opacity(xw), std::vector<unsigned long>{200UL * 0x01010101UL});

    // Later changes: a new opacity on the mapped window, a move while hidden.
    P().SetTranslucency(w, 128);
    EXPECT_TRUE(PumpUntil([&] { return Opacity(XWindow()) == std::vector<unsigned long>{128UL * 0x01010101UL}; }));
    P().SetVisible(w, false);
    EXPECT_FALSE(P().IsVisible(w));
    ASSERT_TRUE(PumpUntil([&] { return !Viewable(XWindow()); }));
    EXPECT_EQ(P().GetWindowRect(w), (PixelRect{123, 45, 355, 65}));
    P().MoveWindow(w, 160, 130);
    ASSERT_TRUE(Show(w, r));
    EXPECT_EQ(RootPosition(XWindow()), std::make_pair(160, 130));
}

TEST_F(LinuxWindowTest, WindowDestroyedByItsOwnHandlerIsSafe) {
    Recorder r;
    const WindowHandle w = Create(80, 20, 40, 300, r);
    ASSERT_TRUE(Show(w, r));
    r.onDown = [&] {
        P().DestroyWindow(w);
        P().Invalidate(w, {0, 0, 10, 10});  // a stale handle does nothing
    };
    XEvent press{};
    press.xbutton.type = ButtonPress;
    press.xbutton.window = XWindow();
    press.xbutton.root = DefaultRootWindow(x_);
    press.xbutton.x = press.xbutton.y = 5;
    press.xbutton.button = Button1;
    press.xbutton.same_screen = True;
    XSendEvent(x_, press.xbutton.window, False, ButtonPressMask, &press);
    XFlush(x_);
    ASSERT_TRUE(PumpUntil([&] { return r.downs == 1; }));
    EXPECT_TRUE(PumpUntil([&] { return XWindow() == 0; }));
    EXPECT_FALSE(P().IsVisible(w));
    EXPECT_EQ(P().GetWindowRect(w), PixelRect{});
}

}  // namespace
