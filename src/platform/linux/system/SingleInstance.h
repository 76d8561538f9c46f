// One running copy per user and X display: an exclusive lock on a file that the kernel drops when the
// process ends.
#pragma once

#include <sys/types.h>
#include <optional>
#include <string>
#include <string_view>

namespace platform::posix {

// The lock's name on one X display: "<name>@<host>:<number>", without the screen number (":0" and ":0.1"
// are one display, so one bar) and with "unix" read as the local host. No display: the name unchanged.
std::string LockNameForDisplay(std::string_view name, const char* display);

// True when path is a real folder (not a link) owned by uid that no one else may enter or change.
bool IsPrivateFolder(const std::string& path, uid_t uid);

// The folder the lock lives in, a place no other user can reach: runtimeDir ($XDG_RUNTIME_DIR) when
// it is an absolute path to a private folder; otherwise <tmpDir>/vigilon-<uid> (tmpDir is $TMPDIR when
// absolute, else /tmp), made with mode 0700 when missing and used only when it is private, as it may
// have been planted by someone else; otherwise <homeDir>/.cache/vigilon, made and checked the same way
// in a home folder that is ours and that no one else may change. nullopt when none will do.
std::optional<std::string> LockFolder(const char* runtimeDir, const char* tmpDir, const char* homeDir, uid_t uid);

// The lock file's name for a lock name: slashes become underscores, ".lock" follows.
std::string LockFileName(std::string_view name);

enum class LockResult {
    Acquired,       // this process holds the lock now (also when it took it before)
    HeldElsewhere,  // another process holds it
    NoPrivatePlace  // no folder of our own for the lock: another instance cannot be ruled out
};

// Takes the lock of this name; this process keeps it until it ends.
LockResult AcquireInstanceLock(std::string_view name);

}  // namespace platform::posix
