// Drive-size queries that may block for ever (a dead network mount) run on a worker thread, so the
// user-interface thread waits for each at most a fixed time.
#pragma once

#include <unistd.h>

#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "platform/Platform.h"

namespace platform::posix {

class TimedQueries {
public:
    using Query = std::function<DriveSpace()>;

    // timeoutError is the description a query that does not answer in time fails with.
    TimedQueries(std::chrono::milliseconds limit, std::string timeoutError);
    ~TimedQueries();
    TimedQueries(const TimedQueries&) = delete;
    TimedQueries& operator=(const TimedQueries&) = delete;

    // What query gives for key, when it answers within the limit; otherwise a failure with the
    // timeout description. One worker thread serves every query until one hangs; it is then left to
    // its query and the next query gets a new worker. A key whose earlier query has not come back yet
    // fails at once, without a thread that would hang the same way. Call from one thread only.
    DriveSpace Run(const std::string& key, Query query);

    struct Call;
    struct Worker;

private:
    DriveSpace TimedOut() const;

    std::chrono::milliseconds limit_;
    std::string timeoutError_;
    std::map<std::string, std::shared_ptr<Call>> stalled_;
    std::shared_ptr<Worker> worker_;  // shared with its thread, which may outlive this object
    pid_t owner_ = ::getpid();        // the process whose thread worker_ is
};

}  // namespace platform::posix
