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
// have been planted by someone else. nullopt when neither will do.
std::optional<std::string> LockFolder(const char* runtimeDir, const char* tmpDir, uid_t uid);

// The lock file's name for a lock name: slashes become underscores, ".lock" follows.
std::string LockFileName(std::string_view name);

// True when this process now holds the lock of this name, also when it took it before; it keeps it
// until it ends. False when another process holds it. When there is no private folder for the lock the
// answer is true: the program starts without the check (and says so on stderr) rather than let a file
// planted by another user stop it.
bool AcquireInstanceLock(std::string_view name);

}  // namespace platform::posix
