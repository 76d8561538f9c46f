// PATH search, a double fork for detached programs, and the README's places.
#include "platform/linux/system/ProgramStart.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

extern char** environ;

namespace platform::posix {

namespace fs = std::filesystem;

namespace {

// Owned by root or by us, and no one else may change it: what another user could replace is not run.
bool NoOneElseMayChange(const struct stat& st) {
    return (st.st_uid == 0 || st.st_uid == ::geteuid()) && (st.st_mode & 022) == 0;
}

bool IsTrustedFolder(const std::string& folder) {
    struct stat st {};
    return ::stat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && NoOneElseMayChange(st);
}

bool IsExecutableFile(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && NoOneElseMayChange(st) &&
           ::access(path.c_str(), X_OK) == 0;
}

}  // namespace

std::optional<std::string> FindOnPath(std::string_view pathVariable, std::initializer_list<std::string_view> names) {
    for (std::string_view name : names) {
        std::string_view rest = pathVariable;
        while (true) {
            const std::size_t colon = rest.find(':');
            const std::string_view folder = rest.substr(0, colon);
            if (!folder.empty() && folder.front() == '/' && IsTrustedFolder(std::string(folder))) {
                std::string candidate(folder);
                if (candidate.back() != '/')
                    candidate += '/';
                candidate += name;
                if (IsExecutableFile(candidate))
                    return candidate;
            }
            if (colon == std::string_view::npos)
                break;
            rest.remove_prefix(colon + 1);
        }
    }
    return std::nullopt;
}

bool StartDetached(const std::vector<std::string>& argv) {
    if (argv.empty() || argv[0].empty())
        return false;
    std::vector<char*> args;
    for (const std::string& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    // The grandchild reports a failed exec through the pipe; a successful one closes it unseen.
    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0)
        return false;
    const pid_t child = ::fork();
    if (child < 0) {
        ::close(report[0]);
        ::close(report[1]);
        return false;
    }
    if (child == 0) {
        // Only async-signal-safe calls from here: the parent may have other threads.
        ::setsid();
        const pid_t grandchild = ::fork();
        if (grandchild == 0) {
            ::execve(args[0], args.data(), environ);
            const int error = errno;
            [[maybe_unused]] const ssize_t n = ::write(report[1], &error, sizeof error);
            ::_exit(127);
        }
        ::_exit(grandchild < 0 ? 1 : 0);
    }
    ::close(report[1]);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    int error = 0;
    ssize_t n;
    while ((n = ::read(report[0], &error, sizeof error)) < 0 && errno == EINTR) {
    }
    ::close(report[0]);
    const bool forked = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return forked && n == 0;
}

std::string ReadmeFor(const std::string& exeFolder) {
    const fs::path folder(exeFolder);
    const fs::path places[] = {folder.parent_path() / "share/doc/vigilon/README.md", folder / "README.md",
                               folder.parent_path().parent_path() / "README.md"};
    std::error_code ec;
    for (const fs::path& p : places) {
        if (fs::is_regular_file(p, ec))
            return p.lexically_normal().string();
    }
    return {};
}

}  // namespace platform::posix
