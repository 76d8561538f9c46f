// flock(2) on a lock file in a private folder; the descriptor stays open (and out of child processes)
// for the process's life.
#include "platform/linux/system/SingleInstance.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <set>

namespace platform::posix {

std::string LockNameForDisplay(std::string_view name, const char* display) {
    std::string key = display ? display : "";
    if (key.empty())
        return std::string(name);
    const std::size_t colon = key.rfind(':');
    if (colon != std::string::npos) {
        const std::size_t dot = key.find('.', colon);
        if (dot != std::string::npos)
            key.erase(dot);
        if (key.compare(0, colon, "unix") == 0)
            key.erase(0, colon);
    }
    return std::string(name) + "@" + key;
}

bool IsPrivateFolder(const std::string& path, uid_t uid) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == uid && (st.st_mode & 077) == 0;
}

namespace {

// <parent>/<name>, made with mode 0700 when missing; used only when it is a private folder.
std::optional<std::string> OwnFolder(const std::string& parent, const char* name, uid_t uid) {
    const std::string own = parent + "/" + name;
    if (::mkdir(own.c_str(), 0700) != 0 && errno != EEXIST)
        return std::nullopt;
    if (!IsPrivateFolder(own, uid))
        return std::nullopt;
    return own;
}

// A folder of uid's that no one else may change (a home folder others may read).
bool IsOwnFolder(const std::string& path, uid_t uid) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == uid && (st.st_mode & 022) == 0;
}

}  // namespace

std::optional<std::string> LockFolder(const char* runtimeDir, const char* tmpDir, const char* homeDir, uid_t uid) {
    if (runtimeDir && runtimeDir[0] == '/' && IsPrivateFolder(runtimeDir, uid))
        return std::string(runtimeDir);
    const std::string tmp = tmpDir && tmpDir[0] == '/' ? tmpDir : "/tmp";
    if (std::optional<std::string> own = OwnFolder(tmp, ("vigilon-" + std::to_string(uid)).c_str(), uid))
        return own;
    if (!homeDir || homeDir[0] != '/' || !IsOwnFolder(homeDir, uid))
        return std::nullopt;
    const std::string cache = std::string(homeDir) + "/.cache";
    if (::mkdir(cache.c_str(), 0700) != 0 && errno != EEXIST)
        return std::nullopt;
    if (!IsOwnFolder(cache, uid))
        return std::nullopt;
    return OwnFolder(cache, "vigilon", uid);
}

std::string LockFileName(std::string_view name) {
    std::string safe(name);
    for (char& c : safe) {
        if (c == '/' || c == '\\' || c == '\0')
            c = '_';
    }
    if (safe.empty())
        safe.push_back('_');
    return safe + ".lock";
}

LockResult AcquireInstanceLock(std::string_view name) {
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
        return LockResult::Acquired;
    const char* home = std::getenv("HOME");
    if (!home || home[0] != '/') {
        const passwd* pw = ::getpwuid(::getuid());
        home = pw ? pw->pw_dir : nullptr;
    }
    const std::optional<std::string> folder =
        LockFolder(std::getenv("XDG_RUNTIME_DIR"), std::getenv("TMPDIR"), home, ::getuid());
    if (!folder)
        return LockResult::NoPrivatePlace;
    const std::string path = *folder + "/" + LockFileName(name);
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        return LockResult::NoPrivatePlace;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        held.emplace(name);
        return LockResult::Acquired;  // fd stays open: it is the lock
    }
    const bool heldElsewhere = errno == EWOULDBLOCK;
    ::close(fd);
    return heldElsewhere ? LockResult::HeldElsewhere : LockResult::NoPrivatePlace;
}

}  // namespace platform::posix
