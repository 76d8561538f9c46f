// One running copy per user: an exclusive lock on a file that the kernel drops when the process ends.
#pragma once

#include <sys/types.h>
#include <string>
#include <string_view>
#include <vector>

namespace platform::posix {

// Where the lock of this name may live, in order: $XDG_RUNTIME_DIR/<name>.lock (when that variable is
// an absolute path), then /tmp/<name>-<uid>.lock. Slashes in the name become underscores.
std::vector<std::string> LockFileCandidates(std::string_view name, const char* runtimeDir, uid_t uid);

// True when this process now holds the lock of this name, also when it took it before; it keeps it
// until it ends. False when another process holds it. When no lock file can be opened at all the answer is true: a
// missing runtime folder must not stop the program from starting.
bool AcquireInstanceLock(std::string_view name);

}  // namespace platform::posix
