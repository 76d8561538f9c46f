// One detached worker thread takes the queries in turn; one that hangs keeps its thread, which ends
// when (if ever) the query returns.
#include "platform/linux/readings/TimedQueries.h"

#include <pthread.h>
#include <unistd.h>

#include <condition_variable>
#include <deque>
#include <mutex>

namespace platform::posix {

namespace {
// statvfs and an error text need little; the default 8 MiB would be reserved for every hung query.
constexpr std::size_t kWorkerStackBytes = 256 * 1024;
}  // namespace

// One query and its answer, shared by the asking thread and the worker.
struct TimedQueries::Call {
    explicit Call(Query q) : query(std::move(q)) {}
    Query query;
    std::mutex mutex;
    std::condition_variable answered;
    bool ready = false;
    DriveSpace result;

    void Answer() {
        DriveSpace r = query();
        {
            const std::lock_guard lock(mutex);
            result = std::move(r);
            ready = true;
        }
        answered.notify_one();
    }
    bool WaitFor(std::chrono::milliseconds limit) {
        std::unique_lock lock(mutex);
        return answered.wait_for(lock, limit, [this] { return ready; });
    }
    bool Ready() {
        const std::lock_guard lock(mutex);
        return ready;
    }
};

struct TimedQueries::Worker {
    std::mutex mutex;
    std::condition_variable wake;
    std::deque<std::shared_ptr<Call>> jobs;
    bool retired = false;  // no more jobs will come: end once the queue is empty

    // The thread's argument: its own reference to the worker, released when the thread ends.
    static void* Loop(void* arg) {
        const std::unique_ptr<std::shared_ptr<Worker>> self(static_cast<std::shared_ptr<Worker>*>(arg));
        Worker& w = **self;
        for (;;) {
            std::shared_ptr<Call> call;
            {
                std::unique_lock lock(w.mutex);
                w.wake.wait(lock, [&] { return !w.jobs.empty() || w.retired; });
                if (w.jobs.empty())
                    return nullptr;
                call = std::move(w.jobs.front());
                w.jobs.pop_front();
            }
            call->Answer();
        }
    }
    // A detached thread running Loop; false when the system gives no thread.
    static bool Start(const std::shared_ptr<Worker>& worker) {
        pthread_attr_t attr;
        if (::pthread_attr_init(&attr) != 0)
            return false;
        ::pthread_attr_setstacksize(&attr, kWorkerStackBytes);
        ::pthread_attr_setdetachstate(&attr, PTHREAD_CREATE_DETACHED);
        auto* arg = new std::shared_ptr<Worker>(worker);
        pthread_t thread;
        const bool started = ::pthread_create(&thread, &attr, &Worker::Loop, arg) == 0;
        ::pthread_attr_destroy(&attr);
        if (!started)
            delete arg;
        return started;
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
    // A forked child has our memory but none of our threads: it starts afresh.
    if (owner_ != ::getpid()) {
        owner_ = ::getpid();
        worker_.reset();  // its thread did not come along; its own reference keeps it
        stalled_.clear();
    }
    if (const auto it = stalled_.find(key); it != stalled_.end()) {
        if (!it->second->Ready())
            return TimedOut();
        stalled_.erase(it);
    }
    if (!worker_) {
        auto worker = std::make_shared<Worker>();
        if (!Worker::Start(worker))
            return query();  // no thread to be had: ask on this one
        worker_ = std::move(worker);
    }
    auto call = std::make_shared<Call>(std::move(query));
    {
        const std::lock_guard lock(worker_->mutex);
        worker_->jobs.push_back(call);
    }
    worker_->wake.notify_one();
    if (call->WaitFor(limit_))
        return call->result;
    // The worker hangs in this query: it keeps it, and the next query gets a new worker.
    stalled_.emplace(key, std::move(call));
    worker_->Retire();
    worker_.reset();
    return TimedOut();
}

}  // namespace platform::posix
