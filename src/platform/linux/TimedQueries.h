// Drive-size queries that may block for ever (a dead network mount) run on threads of their own, so
// the user-interface thread waits for each at most a fixed time.
#pragma once

#include <chrono>
#include <functional>
#include <future>
#include <map>
#include <string>

#include "platform/Platform.h"

namespace platform::posix {

class TimedQueries {
public:
    using Query = std::function<DriveSpace()>;

    // timeoutError is the description a query that does not answer in time fails with.
    TimedQueries(std::chrono::milliseconds limit, std::string timeoutError);

    // What query gives for key, when it answers within the limit; otherwise a failure with the
    // timeout description. A key whose earlier query has not come back yet fails at once, without
    // starting another thread that would hang the same way. Call from one thread only.
    DriveSpace Run(const std::string& key, Query query);

private:
    DriveSpace TimedOut() const;

    std::chrono::milliseconds limit_;
    std::string timeoutError_;
    std::map<std::string, std::shared_future<DriveSpace>> stalled_;
};

}  // namespace platform::posix
