// Helpers for the tests that drive the real Win32 API: a bounded message pump and a recording
// window listener.
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
    const DWORD start = ::GetTickCount();
    while (!done()) {
        const DWORD elapsed = ::GetTickCount() - start;
        if (elapsed >= timeoutMs)
            return false;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, timeoutMs - elapsed, QS_ALLINPUT);
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    return true;
}

inline void PumpFor(DWORD ms) {
    PumpUntil([] { return false; }, ms);
}

struct RecordedMouse {
    char kind;  // 'd' down, 'm' move, 'u' up, 'c' double-click
    platform::MouseEvent e;
};

class RecordingListener : public platform::WindowListener {
public:
    void OnPaint(platform::Canvas& canvas) override {
        ++paints;
        if (paint)
            paint(canvas);
    }
    void OnMouseDown(const platform::MouseEvent& e) override { Record('d', e); }
    void OnMouseMove(const platform::MouseEvent& e) override { Record('m', e); }
    void OnMouseUp(const platform::MouseEvent& e) override { Record('u', e); }
    void OnDoubleClick(const platform::MouseEvent& e) override { Record('c', e); }
    void OnKeyDown(int key, int shift) override { keys.push_back({'d', key, shift}); }
    void OnKeyUp(int key, int shift) override { keys.push_back({'u', key, shift}); }
    void OnCloseRequest() override {
        ++closeRequests;
        if (onClose)
            onClose();
    }

    struct Key {
        char kind;
        int code;
        int shift;
    };
    std::vector<RecordedMouse> mouse;
    std::vector<Key> keys;
    int paints = 0;
    int closeRequests = 0;
    std::function<void(platform::Canvas&)> paint;
    std::function<void(const platform::MouseEvent&)> onMouse;
    std::function<void()> onClose;

private:
    void Record(char kind, const platform::MouseEvent& e) {
        mouse.push_back({kind, e});
        if (onMouse)
            onMouse(e);
    }
};

// A real Win32 platform for tests that open windows; they are skipped where no display is reachable
// (Wine without an X server cannot create top-level windows).
class Win32WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform = platform::CreatePlatform();
        probe = platform->CreateFormWindow(platform::WindowSpec{"probe", 10, 10}, probeListener);
        if (probe == 0)
            GTEST_SKIP() << "no display: Win32 windows cannot be created (is DISPLAY set?)";
    }
    void TearDown() override {
        if (probe)
            platform->DestroyWindow(probe);
    }
    static HWND Hwnd(platform::WindowHandle w) { return reinterpret_cast<HWND>(w); }

    std::unique_ptr<platform::Platform> platform;
    RecordingListener probeListener;
    platform::WindowHandle probe = 0;
};

}  // namespace vigilon_test
