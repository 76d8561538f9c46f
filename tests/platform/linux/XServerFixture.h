// The Linux platform on a real X server, with a second X connection of the test's own that checks
// what the platform did or plays other programs and the window manager. Skipped without $DISPLAY.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <vector>

#include "platform/Platform.h"

#include <FL/Fl.H>
#include <FL/x.H>
#undef None  // X's macro would rewrite WindowFrame::None

namespace xtest {

struct Recorder : platform::WindowListener {
    int paints = 0;
    int downs = 0;
    int dpiChanges = 0;
    std::function<void()> onDown;
    void OnPaint(platform::Canvas&) override { ++paints; }
    void OnDpiChanged() override { ++dpiChanges; }
    void OnMouseDown(const platform::MouseEvent&) override {
        ++downs;
        if (onDown)
            onDown();
    }
};

class XServerTest : public ::testing::Test {
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
    // A window of ours at (left, top), borderless unless told; Show() maps it and waits until it is painted.
    using Frame = platform::WindowFrame;
    platform::WindowHandle Create(int w, int h, int left, int top, Recorder& r, Frame frame = Frame::None) {
        const platform::WindowHandle handle =
            P().Windows().CreateFormWindow({"vigilon-test", w, h, frame, {0, 0, 0}}, r);
        P().Windows().MoveWindow(handle, left, top);
        return handle;
    }
    bool Show(platform::WindowHandle w, const Recorder& r) {
        P().Windows().SetVisible(w, true);
        return PumpUntil([&] { return Viewable(XWindow()) && r.paints > 0; });
    }
    // The X window of the test's one shown window (0 while none is shown), once the server has it.
    static Window XWindow() {
        XSync(fl_display, False);
        return Fl::first_window() ? fl_xid(Fl::first_window()) : 0;
    }
    // A property's raw items: bytes for format 8, 32-bit items for 32 (Xlib hands those over
    // sign-extended in longs).
    template <typename Item>
    std::vector<Item> Property(Window w, Atom property, Atom type) {
        Atom actual = 0;
        int format = 0;
        unsigned long n = 0, rest = 0;
        unsigned char* data = nullptr;
        XGetWindowProperty(x_, w, property, 0, 1 << 16, False, type, &actual, &format, &n, &rest, &data);
        std::vector<Item> items;
        for (unsigned long i = 0; data && i < n; ++i)
            items.push_back(format == 8 ? static_cast<Item>(data[i])
                                        : static_cast<Item>(reinterpret_cast<unsigned long*>(data)[i] & 0xFFFFFFFFUL));
        if (data)
            XFree(data);
        return items;
    }
    bool Viewable(Window w) {
        XWindowAttributes a;
        return w && XGetWindowAttributes(x_, w, &a) && a.map_state == IsViewable;
    }

    Display* x_ = nullptr;  // the test's own connection, not the toolkit's
    std::unique_ptr<platform::Platform> platform_;
};

}  // namespace xtest
