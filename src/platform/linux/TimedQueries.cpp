// One detached worker thread takes the queries in turn; one that hangs keeps its thread, which ends
// when (if ever) the query returns.
#include "platform/linux/TimedQueries.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <system_error>
#include <thread>

namespace platform::posix {

struct TimedQueries::Worker {
    std::mutex mutex;
    std::condition_variable wake;
    std::deque<std::packaged_task<DriveSpace()>> jobs;
    bool retired = false;  // no more jobs will come: end once the queue is empty

    static void Loop(const std::shared_ptr<Worker>& self) {
        for (;;) {
            std::packaged_task<DriveSpace()> job;
            {
                std::unique_lock lock(self->mutex);
                self->wake.wait(lock, [&] { return !self->jobs.empty() || self->retired; });
                if (self->jobs.empty())
                    return;
                job = std::move(self->jobs.front());
                self->jobs.pop_front();
            }
            job();
        }
    }
    void Retire() {
        {
            const std::lock_guard lock(mutex);
            retired = true;
        }
        wake.notify_one();
    }
};

TimedQueries::TimedQueries(std::chrono::milliseconds limit, std::string timeoutError)
    : limit_(limit), timeoutError_(std::move(timeoutError)) {}

TimedQueries::~TimedQueries() {
    if (worker_)
        worker_->Retire();
}

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
    if (!worker_) {
        auto worker = std::make_shared<Worker>();
        try {
            std::thread(Worker::Loop, worker).detach();
        } catch (const std::system_error&) {
            return query();  // no thread to be had: ask on this one
        }
        worker_ = std::move(worker);
    }
    std::packaged_task<DriveSpace()> task(std::move(query));
    std::shared_future<DriveSpace> result = task.get_future().share();
    {
        const std::lock_guard lock(worker_->mutex);
        worker_->jobs.push_back(std::move(task));
    }
    worker_->wake.notify_one();
    if (result.wait_for(limit_) == std::future_status::ready)
        return result.get();
    // The worker hangs in this query: it keeps it, and the next query gets a new worker.
    stalled_.emplace(key, std::move(result));
    worker_->Retire();
    worker_.reset();
    return TimedOut();
}

}  // namespace platform::posix
