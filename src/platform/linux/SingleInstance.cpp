// flock(2) on a lock file; the descriptor stays open (and out of child processes) for the process's life.
#include "platform/linux/SingleInstance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <set>

namespace platform::posix {

std::vector<std::string> LockFileCandidates(std::string_view name, const char* runtimeDir, uid_t uid) {
    std::string safe(name);
    for (char& c : safe) {
        if (c == '/' || c == '\\' || c == '\0')
            c = '_';
    }
    if (safe.empty())
        safe.push_back('_');
    std::vector<std::string> paths;
    if (runtimeDir && runtimeDir[0] == '/')
        paths.push_back(std::string(runtimeDir) + "/" + safe + ".lock");
    paths.push_back("/tmp/" + safe + "-" + std::to_string(uid) + ".lock");
    return paths;
}

bool AcquireInstanceLock(std::string_view name) {
    // flock belongs to the open file, so a second open by this process would be refused by its own
    // lock: the names this process holds are remembered, and asking again answers yes.
    // A forked child starts with its parent's memory but holds nothing of its own.
    static std::set<std::string> held;
    static pid_t holder = ::getpid();
    if (holder != ::getpid()) {
        held.clear();
        holder = ::getpid();
    }
    if (held.count(std::string(name)) != 0)
        return true;
    for (const std::string& path : LockFileCandidates(name, std::getenv("XDG_RUNTIME_DIR"), ::getuid())) {
        // No following of links: /tmp is shared with other users.
        const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (fd < 0)
            continue;
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            held.emplace(name);
            return true;  // fd stays open: it is the lock
        }
        const int error = errno;
        ::close(fd);
        if (error == EWOULDBLOCK)
            return false;
    }
    std::fprintf(stderr, "vigilon: no lock file could be opened; not checking for another instance\n");
    return true;
}

}  // namespace platform::posix
