// The Win32 loop port: the UI thread's timers, posted tasks and message loop, all carried by one hidden message-only
// window so that any message pump (the main loop, a message box, a menu) runs them.
#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <memory>
#include <unordered_map>

#include "platform/LoopPort.h"

namespace platform::win32 {

class MessageLoop final : public LoopPort {
public:
    MessageLoop();
    ~MessageLoop() override;
    MessageLoop(const MessageLoop&) = delete;
    MessageLoop& operator=(const MessageLoop&) = delete;

    // 0 when the system refuses the timer. A tick never re-enters itself: while one is still
    // running (inside a message box it opened, say), that timer's further ticks are dropped.
    TimerId StartTimer(std::uint32_t intervalMs, std::function<void()> tick) override;
    // Safe from inside the timer's own tick; unknown or already stopped ids are ignored.
    void StopTimer(TimerId id) override;
    // Tasks run one per message, in the order posted, after the current handler has returned.
    void Post(std::function<void()> task) override;
    void RunLoop() override;
    void QuitLoop() override;
    [[noreturn]] void ExitProcess(int code) override;
    // Offered every message before it is dispatched; a true answer means it was handled.
    void SetPreTranslate(bool (*filter)(MSG&)) { preTranslate_ = filter; }

    HWND Window() const { return window_; }

private:
    struct Timer {
        std::function<void()> tick;
        bool running = false;
    };

    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    void OnTimer(TimerId id);
    void RunNextTask();
    void Wake();

    HWND window_ = nullptr;
    TimerId lastId_ = 0;
    std::unordered_map<TimerId, std::shared_ptr<Timer>> timers_;
    std::deque<std::function<void()>> tasks_;
    bool wakePending_ = false;
    bool (*preTranslate_)(MSG&) = nullptr;
};

}  // namespace platform::win32
