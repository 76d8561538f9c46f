// FLTK timeouts carry the timer id (not a pointer), so a timeout that outlives its timer finds
// nothing and does nothing.
#include "platform/linux/x11/EventLoop.h"

#include <FL/Fl.H>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>

#include "platform/linux/wm/WindowManager.h"

namespace platform::x11 {

namespace {
EventLoop* g_loop = nullptr;  // the one loop that FLTK's timeouts report to

constexpr double kForever = 1e20;  // FLTK's own "no timeout"

using Clock = std::chrono::steady_clock;

Clock::duration Period(double seconds) {
    return std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
}

void* DataFor(TimerId id) {
    return reinterpret_cast<void*>(static_cast<std::uintptr_t>(id));
}
}  // namespace

EventLoop::EventLoop() {
    g_loop = this;
}

EventLoop::~EventLoop() {
    Fl::remove_timeout(&EventLoop::OnTimeout);
    Fl::remove_timeout(&EventLoop::OnPosted, this);
    if (g_loop == this)
        g_loop = nullptr;
}

TimerId EventLoop::StartTimer(std::uint32_t intervalMs, std::function<void()> tick) {
    do {
        ++lastId_;
    } while (lastId_ == 0 || timers_.count(lastId_) != 0);
    auto timer = std::make_shared<Timer>();
    timer->seconds = (intervalMs < 1 ? 1 : intervalMs) / 1000.0;
    timer->tick = std::move(tick);
    timer->lastRun = Clock::now();
    Fl::add_timeout(timer->seconds, &EventLoop::OnTimeout, DataFor(lastId_));
    timers_.emplace(lastId_, std::move(timer));
    return lastId_;
}

void EventLoop::StopTimer(TimerId id) {
    if (timers_.erase(id) != 0)
        Fl::remove_timeout(&EventLoop::OnTimeout, DataFor(id));
}

void EventLoop::OnTimeout(void* data) {
    if (!g_loop)
        return;
    const auto id = static_cast<TimerId>(reinterpret_cast<std::uintptr_t>(data));
    const auto it = g_loop->timers_.find(id);
    if (it == g_loop->timers_.end())
        return;
    // The shared reference keeps the tick alive if it stops its own timer.
    const std::shared_ptr<Timer> timer = it->second;
    // Re-armed first: repeat_timeout counts from when this tick was due, so the period does not drift.
    Fl::repeat_timeout(timer->seconds, &EventLoop::OnTimeout, data);
    // After a stall (a long handler, a suspended machine) FLTK runs the missed tick at once, right
    // after the late one; as with a Windows timer, one late tick is enough.
    const Clock::time_point now = Clock::now();
    if (now - timer->lastRun < Period(timer->seconds) / 2)
        return;
    if (timer->running)
        return;
    timer->lastRun = now;
    timer->running = true;
    timer->tick();
    timer->running = false;
}

void EventLoop::Post(std::function<void()> task) {
    posted_.push_back(std::move(task));
    SchedulePosted();
}

void EventLoop::SchedulePosted() {
    if (postScheduled_)
        return;
    postScheduled_ = true;
    Fl::add_timeout(0.0, &EventLoop::OnPosted, this);
}

void EventLoop::OnPosted(void* data) {
    auto* self = static_cast<EventLoop*>(data);
    self->postScheduled_ = false;
    if (self->posted_.empty())
        return;
    std::function<void()> task = std::move(self->posted_.front());
    self->posted_.pop_front();
    // The next one is asked for first, so a task that opens a modal loop does not hold up the rest.
    if (!self->posted_.empty())
        self->SchedulePosted();
    task();
}

void EventLoop::RunLoop() {
    // Fl::wait() without a time returns at once, timeouts unrun, while no window is shown (as at
    // start-up, or with only hidden forms): the timed form waits for the next event or timeout.
    while (!quit_)
        Fl::wait(kForever);
    quit_ = false;
}

void EventLoop::ExitProcess(int code) {
    std::fflush(nullptr);
    FlushDisplay();
    ::_exit(code);
}

}  // namespace platform::x11
