// Timer scheduling on top of the platform's repeating timers.
#include "forms/Timer.h"

#include <algorithm>

#include "forms/Form.h"

namespace forms {

namespace {
std::int32_t ClampInterval(std::int32_t ms) {
    return std::clamp<std::int32_t>(ms, 0, Timer::kMaxInterval);
}
}  // namespace

Timer::Timer(Form& owner, std::string name, std::int32_t interval, bool enabled)
    : name_(std::move(name)), interval_(ClampInterval(interval)), enabled_(enabled) {
    owner.AddTimer(*this);
}

Timer::~Timer() {
    Stop();
}

void Timer::SetInterval(std::int32_t ms) {
    ms = ClampInterval(ms);
    if (ms == interval_)
        return;
    interval_ = ms;
    Reschedule();
}

void Timer::SetEnabled(bool enabled) {
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    Reschedule();
}

void Timer::Start() {
    formLive_ = true;
    Reschedule();
}

void Timer::Stop() {
    formLive_ = false;
    Reschedule();
}

void Timer::Reschedule() {
    if (id_ != 0) {
        platform::Loop().StopTimer(id_);
        id_ = 0;
    }
    if (formLive_ && enabled_ && interval_ > 0) {
        id_ = platform::Loop().StartTimer(static_cast<std::uint32_t>(interval_), [this] {
            if (onTimer)
                onTimer();
        });
    }
}

}  // namespace forms
