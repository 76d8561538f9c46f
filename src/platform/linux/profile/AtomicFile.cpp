// Bounded whole-file reads, and replacement through a synced temporary file and rename(2).
#include "platform/linux/profile/AtomicFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace platform::posix {

namespace fs = std::filesystem;

namespace {

class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int Get() const { return fd_; }
    // Closes now and reports whether the kernel accepted the close (a late write error shows here).
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool WriteAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// The file a path leads to through any chain of symbolic links (the path itself when it is none); a
// dangling link leads to the file it names. nullopt for a loop or a link that cannot be read.
std::optional<std::string> FollowLinks(std::string path) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return path;
        std::error_code ec;
        const fs::path target = fs::read_symlink(path, ec);
        if (ec)
            return std::nullopt;
        path = target.is_absolute() ? target.string() : (fs::path(path).parent_path() / target).string();
    }
    return std::nullopt;
}

mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

void SyncFolder(const fs::path& folder) {
    const Fd fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.Get() >= 0)
        ::fsync(fd.Get());
}

// Like the read-only attribute on Windows, a file nobody may write stops even root.
bool MayWrite(const std::string& path, const struct stat& st) {
    return (st.st_mode & 0222) != 0 && ::access(path.c_str(), W_OK) == 0;
}

// The largest file this process may write (RLIMIT_FSIZE).
std::uint64_t FileSizeLimit() {
    rlimit limit{};
    if (::getrlimit(RLIMIT_FSIZE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY)
        return UINT64_MAX;
    return limit.rlim_cur;
}

// While it lives, a write beyond the file-size limit fails with EFBIG instead of killing the process.
class IgnoreFileSizeSignal {
public:
    IgnoreFileSizeSignal() {
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        sigemptyset(&ignore.sa_mask);
        saved_ = ::sigaction(SIGXFSZ, &ignore, &old_) == 0;
    }
    ~IgnoreFileSizeSignal() {
        if (saved_)
            ::sigaction(SIGXFSZ, &old_, nullptr);
    }
    IgnoreFileSizeSignal(const IgnoreFileSizeSignal&) = delete;
    IgnoreFileSizeSignal& operator=(const IgnoreFileSizeSignal&) = delete;

private:
    struct sigaction old_ {};
    bool saved_ = false;
};

bool WriteAllAt(int fd, std::string_view data) {
    off_t offset = 0;
    while (!data.empty()) {
        const ssize_t n = ::pwrite(fd, data.data(), data.size(), offset);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        offset += n;
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// For a folder that refuses new files: the space for the new contents is reserved before the first
// byte changes, so a full disk leaves the old contents as they were.
bool RewriteInPlace(const std::string& path, std::string_view contents) {
    Fd fd(::open(path.c_str(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat st {};
    if (fd.Get() < 0 || ::fstat(fd.Get(), &st) != 0)
        return false;
    if (!S_ISREG(st.st_mode)) {
        errno = EINVAL;
        return false;
    }
    const auto newSize = static_cast<off_t>(contents.size());
    if (newSize > st.st_size) {
        if (const int refused = ::posix_fallocate(fd.Get(), 0, newSize); refused != 0) {
            if (::ftruncate(fd.Get(), st.st_size) != 0) {
                // the size was not changed then either
            }
            errno = refused;
            return false;
        }
    }
    bool written = WriteAllAt(fd.Get(), contents);
    if (written && newSize < st.st_size)
        written = ::ftruncate(fd.Get(), newSize) == 0;
    written = written && ::fsync(fd.Get()) == 0;
    return fd.Close() && written;
}

}  // namespace

std::optional<FileIdentity> IdentityOf(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    return FileIdentity{st.st_dev, st.st_ino, st.st_size, st.st_mtim.tv_sec, st.st_mtim.tv_nsec};
}

std::optional<std::string> ReadWholeFile(const std::string& path, FileIdentity* identity, std::size_t maxBytes) {
    // Looked at before it is opened: opening a FIFO or a device may block or have effects of its own.
    if (!IdentityOf(path))
        return std::nullopt;
    const Fd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat st {};
    if (fd.Get() < 0 || ::fstat(fd.Get(), &st) != 0 || !S_ISREG(st.st_mode) ||
        static_cast<std::uint64_t>(st.st_size) > maxBytes)
        return std::nullopt;
    std::string text;
    text.reserve(static_cast<std::size_t>(st.st_size));
    char buffer[8192];
    for (;;) {
        const ssize_t n = ::read(fd.Get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return std::nullopt;
        }
        if (n == 0)
            break;
        text.append(buffer, static_cast<std::size_t>(n));
        if (text.size() > maxBytes)
            return std::nullopt;  // it grew while being read
    }
    if (identity)
        *identity = FileIdentity{st.st_dev, st.st_ino, st.st_size, st.st_mtim.tv_sec, st.st_mtim.tv_nsec};
    return text;
}

bool ReplaceFile(const std::string& path, std::string_view contents) {
    const std::optional<std::string> resolved = FollowLinks(path);
    if (!resolved)
        return false;
    const std::string& target = *resolved;
    fs::path folder = fs::path(target).parent_path();
    if (folder.empty())
        folder = ".";

    struct stat old {};
    const bool exists = ::lstat(target.c_str(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode)) {
        errno = EINVAL;
        return false;
    }
    if (exists && !MayWrite(target, old)) {
        errno = EACCES;
        return false;
    }
    if (contents.size() > FileSizeLimit()) {
        errno = EFBIG;
        return false;
    }
    std::error_code ec;
    fs::create_directories(folder, ec);  // an error shows below, when the temporary file cannot be made

    const IgnoreFileSizeSignal noSignal;
    const std::string tempName = std::string(".").append(fs::path(target).filename().string()).append(".XXXXXX");
    std::string temp = (folder / tempName).string();
    Fd fd(::mkostemp(temp.data(), O_CLOEXEC));
    // Locked while it is written: the next start's clean-up removes only what no save holds.
    if (fd.Get() >= 0 && ::flock(fd.Get(), LOCK_EX | LOCK_NB) != 0)
        errno = 0;
    if (fd.Get() < 0) {
        const bool folderRefused = errno == EACCES || errno == EPERM;
        if (folderRefused && exists)
            return RewriteInPlace(target, contents);
        return false;
    }

    bool ok = WriteAll(fd.Get(), contents);
    if (ok) {
        ok = ::fchmod(fd.Get(), exists ? (old.st_mode & 07777) : NewFileMode()) == 0;
        // Keep the owner when root rewrites someone else's file; only root can, so failure is fine.
        if (ok && exists && (old.st_uid != ::geteuid() || old.st_gid != ::getegid())) {
            if (::fchown(fd.Get(), old.st_uid, old.st_gid) != 0)
                errno = 0;
        }
    }
    ok = ok && ::fsync(fd.Get()) == 0;
    ok = fd.Close() && ok;
    if (ok && ::rename(temp.c_str(), target.c_str()) == 0) {
        SyncFolder(folder);
        return true;
    }
    const int failure = errno;
    ::unlink(temp.c_str());
    errno = failure;
    return false;
}

void RemoveInterruptedWrites(const std::string& path) {
    const std::optional<std::string> resolved = FollowLinks(path);
    if (!resolved)
        return;
    fs::path folder = fs::path(*resolved).parent_path();
    if (folder.empty())
        folder = ".";
    const std::string prefix = "." + fs::path(*resolved).filename().string() + ".";
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return;
    const int dirFd = ::dirfd(dir);
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (name.size() != prefix.size() + 6 || name.substr(0, prefix.size()) != prefix)
            continue;
        struct stat st {};
        if (::fstatat(dirFd, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode) ||
            st.st_uid != ::geteuid())
            continue;
        // A save in progress holds its lock; one that was killed holds nothing.
        const Fd fd(::openat(dirFd, entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
        if (fd.Get() >= 0 && ::flock(fd.Get(), LOCK_EX | LOCK_NB) == 0)
            ::unlinkat(dirFd, entry->d_name, 0);
    }
    ::closedir(dir);
}

}  // namespace platform::posix
