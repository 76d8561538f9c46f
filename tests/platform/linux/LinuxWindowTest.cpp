// The Linux platform's windows on a real X server, found through the toolkit and checked from a second
// X connection: the bar's place, pager state and opacity (its size, stacking and taskbar state are
// checked under a window manager by the smoke test), and a window destroyed by its own handler (as a
// form unloaded from its close request is). Skipped without $DISPLAY.
#include <algorithm>
#include <string>
#include <vector>

#include "platform/linux/XServerFixture.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

namespace {

using platform::PixelRect;
using platform::WindowHandle;
using xtest::Recorder;

class LinuxWindowTest : public xtest::XServerTest {
protected:
    std::pair<int, int> RootPosition(Window w) {
        int x = 0, y = 0;
        Window child = 0;
        XTranslateCoordinates(x_, w, DefaultRootWindow(x_), 0, 0, &x, &y, &child);
        return {x, y};
    }
    using XServerTest::Property;
    std::vector<unsigned long> Property(Window w, const char* name, Atom type) {
        return Property<unsigned long>(w, XInternAtom(x_, name, False), type);
    }
    std::string Text(Window w, Atom property, Atom type) {
        const std::vector<char> bytes = Property<char>(w, property, type);
        return {bytes.begin(), bytes.end()};
    }
    bool HasState(Window w, const char* state) {
        const auto states = Property(w, "_NET_WM_STATE", XA_ATOM);
        return std::find(states.begin(), states.end(), XInternAtom(x_, state, False)) != states.end();
    }
    std::vector<unsigned long> Opacity(Window w) { return Property(w, "_NET_WM_WINDOW_OPACITY", XA_CARDINAL); }
};

TEST_F(LinuxWindowTest, BarIsATranslucentClientWhereAsked) {
    Recorder r;
    const WindowHandle w = Create(232, 20, 123, 45, r);
    P().Windows().SetTopMost(w);
    P().Windows().SetTranslucency(w, 200);
    EXPECT_FALSE(P().Windows().IsVisible(w));
    ASSERT_TRUE(Show(w, r));
    EXPECT_TRUE(P().Windows().IsVisible(w));
    const Window xw = XWindow();
    EXPECT_EQ(RootPosition(xw), std::make_pair(123, 45));
    EXPECT_EQ(P().Desktop().GetWindowRect(w), (PixelRect{123, 45, 355, 65}));
    EXPECT_TRUE(HasState(xw, "_NET_WM_STATE_SKIP_PAGER"));
    EXPECT_EQ(Opacity(xw), std::vector<unsigned long>{200UL * 0x01010101UL});

    // Later changes: a new opacity on the mapped window, a move while hidden.
    P().Windows().SetTranslucency(w, 128);
    EXPECT_TRUE(PumpUntil([&] { return Opacity(XWindow()) == std::vector<unsigned long>{128UL * 0x01010101UL}; }));
    P().Windows().SetVisible(w, false);
    EXPECT_FALSE(P().Windows().IsVisible(w));
    ASSERT_TRUE(PumpUntil([&] { return !Viewable(XWindow()); }));
    EXPECT_EQ(P().Desktop().GetWindowRect(w), (PixelRect{123, 45, 355, 65}));
    P().Windows().MoveWindow(w, 160, 130);
    ASSERT_TRUE(Show(w, r));
    EXPECT_EQ(RootPosition(XWindow()), std::make_pair(160, 130));
}

// What other clients read of a dialog: its title in every property that carries one, in the
// encoding the property's type names; and, with no manager to give it, the keyboard focus.
TEST_F(LinuxWindowTest, ADialogsTitleReadsRightAndItTakesTheFocusWithoutAManager) {
    XWindowAttributes root{};
    XGetWindowAttributes(x_, DefaultRootWindow(x_), &root);
    const bool managed = (root.all_event_masks & SubstructureRedirectMask) != 0;
    Recorder r;
    const char* const titles[] = {"Vigilonの設定", "Vigilon Été", "Vigilon"};
    for (const char* title : titles) {
        const WindowHandle w = P().Windows().CreateFormWindow({title, 296, 364, platform::WindowFrame::Dialog, {}}, r);
        r.paints = 0;
        ASSERT_TRUE(Show(w, r));
        const Window xw = XWindow();
        for (const Atom property : {XA_WM_NAME, XA_WM_ICON_NAME}) {
            XTextProperty text{};
            if (!XGetTextProperty(x_, xw, &text, property))
                continue;  // left out: readers take _NET_WM_NAME
            char** list = nullptr;
            int count = 0;
            ASSERT_EQ(Xutf8TextPropertyToTextList(x_, &text, &list, &count), Success) << title;
            ASSERT_EQ(count, 1);
            EXPECT_STREQ(list[0], title) << "property " << property;
            XFreeStringList(list);
            XFree(text.value);
        }
        EXPECT_EQ(Text(xw, XInternAtom(x_, "_NET_WM_NAME", False), XInternAtom(x_, "UTF8_STRING", False)), title);
        if (!managed) {
            Window focus = 0;
            int revert = 0;
            EXPECT_TRUE(PumpUntil([&] {
                XGetInputFocus(x_, &focus, &revert);
                return focus == xw;
            })) << title;
        }
        P().Windows().DestroyWindow(w);
    }
}

TEST_F(LinuxWindowTest, WindowDestroyedByItsOwnHandlerIsSafe) {
    Recorder r;
    const WindowHandle w = Create(80, 20, 40, 300, r);
    ASSERT_TRUE(Show(w, r));
    r.onDown = [&] {
        P().Windows().DestroyWindow(w);
        P().Windows().Invalidate(w, {0, 0, 10, 10});  // a stale handle does nothing
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
    EXPECT_FALSE(P().Windows().IsVisible(w));
    EXPECT_EQ(P().Desktop().GetWindowRect(w), PixelRect{});
}

// The desktop's scale changes while the program runs (xrdb rewrites the root's resources): the
// platform reads the new Xft.dpi and every window hears of it; other resources change nothing.
TEST_F(LinuxWindowTest, ANewXftDpiReachesEveryWindow) {
    const Window root = DefaultRootWindow(x_);
    const Atom resources = XInternAtom(x_, "RESOURCE_MANAGER", False);
    const auto setResources = [&](const std::string& text) {
        XChangeProperty(x_, root, resources, XA_STRING, 8, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(text.c_str()), static_cast<int>(text.size()));
        XFlush(x_);
    };
    // The display may be someone's desktop: its resources are put back afterwards.
    const std::string saved = Text(root, resources, XA_STRING);
    setResources("Xft.antialias:\t1\n");
    Recorder a, b;
    Create(80, 20, 40, 300, a);
    Create(80, 20, 40, 340, b);
    EXPECT_EQ(P().Windows().ScreenDpi(), 96);  // unset

    setResources("Xft.antialias:\t0\n");
    setResources("Xft.dpi:\t144\nXft.antialias:\t0\n");
    EXPECT_TRUE(PumpUntil([&] { return a.dpiChanges > 0 && b.dpiChanges > 0; }));
    EXPECT_EQ(P().Windows().ScreenDpi(), 144);
    EXPECT_EQ(a.dpiChanges, 1);  // the first change was not one of resolution

    setResources("Xft.dpi:\tbig\n");  // unusable: back to the normal size
    EXPECT_TRUE(PumpUntil([&] { return a.dpiChanges == 2; }));
    EXPECT_EQ(P().Windows().ScreenDpi(), 96);
    if (saved.empty()) {
        XDeleteProperty(x_, root, resources);
        XFlush(x_);
    } else {
        setResources(saved);
    }
}

}  // namespace
