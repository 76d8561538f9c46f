// The Linux loop port: timers, posted tasks and the message loop over FLTK's timeouts and Fl::wait().
#pragma once

#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <unordered_map>

#include "platform/LoopPort.h"

namespace platform::x11 {

class EventLoop final : public LoopPort {
public:
    EventLoop();
    ~EventLoop() override;
    EventLoop(const EventLoop&) = delete;
    EventLoop& operator=(const EventLoop&) = delete;

    // A repeating timer. A tick may stop any timer (its own included) and destroy windows; a tick
    // still running (inside a message box, say) is not entered again by its own timer.
    TimerId StartTimer(std::uint32_t intervalMs, std::function<void()> tick) override;
    void StopTimer(TimerId id) override;
    // Runs the task once the current handler has returned, one task per turn of the loop.
    void Post(std::function<void()> task) override;
    // Waits for events until Quit; hidden windows do not end it (unlike Fl::run()).
    void RunLoop() override;
    void QuitLoop() override { quit_ = true; }
    // Output flushed, to the terminal and to the X server, and no destructors run.
    [[noreturn]] void ExitProcess(int code) override;

private:
    struct Timer {
        double seconds = 0;
        std::chrono::steady_clock::time_point lastRun;  // the start, before the first tick
        std::function<void()> tick;
        bool running = false;
    };

    static void OnTimeout(void* data);
    static void OnPosted(void* data);
    void SchedulePosted();

    std::unordered_map<TimerId, std::shared_ptr<Timer>> timers_;
    std::deque<std::function<void()>> posted_;
    TimerId lastId_ = 0;
    bool postScheduled_ = false;
    bool quit_ = false;
};

}  // namespace platform::x11
