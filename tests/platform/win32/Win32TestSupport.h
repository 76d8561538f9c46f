// Helpers for the tests that drive the real Win32 API: a bounded message pump, a recording window
// listener and a fixture that opens real form windows.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "platform/Platform.h"

namespace vigilon_test {

// Dispatches this thread's messages until done() holds or timeoutMs pass; returns done().
inline bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000) {
    for (const DWORD start = ::GetTickCount(); !done();) {
        const DWORD elapsed = ::GetTickCount() - start;
        if (elapsed >= timeoutMs)
            return false;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, timeoutMs - elapsed, QS_ALLINPUT);
        for (MSG msg; ::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE);)
            ::DispatchMessageW(&msg);
    }
    return true;
}

// Mouse: 'd' down, 'm' move, 'u' up, 'c' double click, code the buttons held. Keys: 'K' down, 'k' up,
// code the virtual key. 'x' a close request, 'p' a paint, 'r' a change of resolution.
struct Event {
    char kind;
    int code = 0, shift = 0, x = 0, y = 0;
    bool operator==(const Event&) const = default;
};

class RecordingListener : public platform::WindowListener {
public:
    void OnPaint(platform::Canvas& canvas) override {
        if (paint)
            paint(canvas);
        Record({'p'});
    }
    void OnMouseDown(const platform::MouseEvent& e) override { Record({'d', e.button, e.shift, e.x, e.y}); }
    void OnMouseMove(const platform::MouseEvent& e) override { Record({'m', e.button, e.shift, e.x, e.y}); }
    void OnMouseUp(const platform::MouseEvent& e) override { Record({'u', e.button, e.shift, e.x, e.y}); }
    void OnDoubleClick(const platform::MouseEvent& e) override { Record({'c', e.button, e.shift, e.x, e.y}); }
    void OnKeyDown(int key, int shift) override { Record({'K', key, shift}); }
    void OnKeyUp(int key, int shift) override { Record({'k', key, shift}); }
    void OnCloseRequest() override { Record({'x'}); }
    void OnDpiChanged() override { Record({'r'}); }
    void OnMouseEnter() override { Record({'e'}); }
    void OnMouseLeave() override { Record({'l'}); }

    std::vector<Event> events;
    std::function<void(platform::Canvas&)> paint;
    std::function<void(char kind)> then;  // runs after each recorded event

private:
    void Record(const Event& e) {
        events.push_back(e);
        if (then)
            then(e.kind);
    }
};

// A real Win32 platform; skipped where no display is reachable (Wine without an X server cannot
// create top-level windows).
class Win32WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform = platform::CreatePlatform();
        if (const platform::WindowHandle probe = Open(platform::WindowFrame::None, 10, 10, listener))
            platform->Windows().DestroyWindow(probe);
        else
            GTEST_SKIP() << "no display: Win32 windows cannot be created (is DISPLAY set?)";
    }
    platform::WindowHandle Open(platform::WindowFrame frame, int width, int height, RecordingListener& to) {
        return platform->Windows().CreateFormWindow(platform::WindowSpec{"Vigilon", width, height, frame}, to);
    }
    static HWND Hwnd(platform::WindowHandle w) { return reinterpret_cast<HWND>(w); }

    RecordingListener listener;  // outlives the platform, which closes the windows still open
    std::unique_ptr<platform::Platform> platform;
};

}  // namespace vigilon_test
