// The UI thread's message loop: timers, posted tasks, running and leaving the loop, and the end of
// the process.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/Types.h"

namespace platform {

class LoopPort {
public:
    virtual ~LoopPort() = default;

    // A repeating timer on the UI thread; interval in milliseconds, at least 1.
    virtual TimerId StartTimer(std::uint32_t intervalMs, std::function<void()> tick) = 0;
    virtual void StopTimer(TimerId id) = 0;
    // Runs a task on the UI thread once the current handler has returned.
    virtual void Post(std::function<void()> task) = 0;
    // Runs the message loop until QuitLoop.
    virtual void RunLoop() = 0;
    virtual void QuitLoop() = 0;
    [[noreturn]] virtual void ExitProcess(int code) = 0;
};

}  // namespace platform
