// Whole-file reads and replacement through a synced temporary file and rename(2).
#include "platform/linux/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
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

// A link to the settings file stays a link: the file it points at is the one replaced.
std::string ResolveTarget(const std::string& path) {
    std::error_code ec;
    if (fs::is_symlink(fs::symlink_status(path, ec))) {
        const fs::path target = fs::weakly_canonical(path, ec);
        if (!ec)
            return target.string();
    }
    return path;
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

bool RewriteInPlace(const std::string& path, std::string_view contents) {
    Fd fd(::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC));
    if (fd.Get() < 0)
        return false;
    const bool written = WriteAll(fd.Get(), contents) && ::fsync(fd.Get()) == 0;
    return fd.Close() && written;
}

}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& path) {
    const Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.Get() < 0)
        return std::nullopt;
    struct stat st {};
    if (::fstat(fd.Get(), &st) != 0 || S_ISDIR(st.st_mode))
        return std::nullopt;
    std::string text;
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
    }
    return text;
}

bool ReplaceFile(const std::string& path, std::string_view contents) {
    const std::string target = ResolveTarget(path);
    fs::path folder = fs::path(target).parent_path();
    if (folder.empty())
        folder = ".";
    std::error_code ec;
    fs::create_directories(folder, ec);  // an error shows below, when the temporary file cannot be made

    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;

    const std::string tempName = std::string(".").append(fs::path(target).filename().string()).append(".XXXXXX");
    std::string temp = (folder / tempName).string();
    Fd fd(::mkostemp(temp.data(), O_CLOEXEC));
    if (fd.Get() < 0) {
        const bool folderRefused = errno == EACCES || errno == EPERM;
        if (folderRefused && exists && ::access(target.c_str(), W_OK) == 0)
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
    ::unlink(temp.c_str());
    return false;
}

}  // namespace platform::posix
