// Each query runs on a detached thread; one that hangs is remembered until it returns.
#include "platform/linux/TimedQueries.h"

#include <memory>
#include <system_error>
#include <thread>

namespace platform::posix {

TimedQueries::TimedQueries(std::chrono::milliseconds limit, std::string timeoutError)
    : limit_(limit), timeoutError_(std::move(timeoutError)) {}

DriveSpace TimedQueries::TimedOut() const {
    DriveSpace d;
    d.error = timeoutError_;
    return d;
}

DriveSpace TimedQueries::Run(const std::string& key, Query query) {
    if (const auto it = stalled_.find(key); it != stalled_.end()) {
        if (it->second.wait_for(std::chrono::seconds(0)) != std::future_status::ready)
            return TimedOut();
        stalled_.erase(it);
    }
    auto task = std::make_shared<std::packaged_task<DriveSpace()>>(std::move(query));
    std::shared_future<DriveSpace> result = task->get_future().share();
    try {
        // The thread owns the task: it may outlive this call, and even this object.
        std::thread([task] { (*task)(); }).detach();
    } catch (const std::system_error&) {
        (*task)();  // no thread to be had: ask on this one
    }
    if (result.wait_for(limit_) == std::future_status::ready)
        return result.get();
    stalled_.emplace(key, std::move(result));
    return TimedOut();
}

}  // namespace platform::posix
