// A timer control: it ticks every Interval milliseconds while Enabled and its form is loaded,
// and stops for good when the form is unloaded.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/Platform.h"

namespace forms {

class Form;

class Timer {
public:
    // The longest interval a timer takes; longer ones are cut to it.
    static constexpr std::int32_t kMaxInterval = 65535;

    Timer(Form& owner, std::string name, std::int32_t interval, bool enabled = true);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    const std::string& Name() const { return name_; }
    std::int32_t Interval() const { return interval_; }
    // 0 stops the timer; a negative interval counts as 0.
    void SetInterval(std::int32_t ms);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool Running() const { return id_ != 0; }

    std::function<void()> onTimer;

    // Called by the form once it is loaded, and when it is unloaded.
    void Start();
    void Stop();

private:
    void Reschedule();

    std::string name_;
    std::int32_t interval_;
    bool enabled_;
    bool formLive_ = false;
    platform::TimerId id_ = 0;
};

}  // namespace forms
