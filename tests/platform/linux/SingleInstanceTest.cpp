// The single-instance lock, across real processes.
#include "platform/linux/system/SingleInstance.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>

#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;
using platform::posix::AcquireInstanceLock;
using platform::posix::LockFileName;
using platform::posix::LockFolder;
using platform::posix::LockResult;

// Runs AcquireInstanceLock(name) in a child process; true when the child got the lock.
bool ChildAcquires(const std::string& name) {
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(AcquireInstanceLock(name) == LockResult::Acquired ? 0 : 1);
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Points XDG_RUNTIME_DIR at a fresh private folder while it lives.
struct RuntimeFolder {
    const testsupport::TempDir temp;
    const fs::path& path = temp.path;
    std::optional<std::string> saved;
    RuntimeFolder() {
        if (const char* old = std::getenv("XDG_RUNTIME_DIR"))
            saved = old;
        fs::permissions(path, fs::perms::owner_all);  // a runtime folder is its user's alone
        ::setenv("XDG_RUNTIME_DIR", path.c_str(), 1);
    }
    ~RuntimeFolder() { saved ? ::setenv("XDG_RUNTIME_DIR", saved->c_str(), 1) : ::unsetenv("XDG_RUNTIME_DIR"); }
};

TEST(SingleInstance, LockFileNamesOfOddNames) {
    EXPECT_EQ(LockFileName("a/b\\c"), "a_b_c.lock");
    EXPECT_EQ(LockFileName(""), "_.lock");
}

// The lock lives where no other user can reach: the runtime folder, else a private folder of our own
// under the temporary folder, else one in the home folder. Whatever another user planted is not used.
TEST(SingleInstance, LockFolderIsPrivateOrNone) {
    const RuntimeFolder tmp;  // stands for /tmp
    const uid_t uid = ::getuid();
    const fs::path own = tmp.path / ("vigilon-" + std::to_string(uid));
    fs::permissions(tmp.path, fs::perms::owner_all);
    const std::string runtime = tmp.path.string();

    EXPECT_EQ(LockFolder(runtime.c_str(), "/unused", nullptr, uid), runtime);
    EXPECT_EQ(LockFolder(nullptr, runtime.c_str(), nullptr, uid), own.string());
    struct stat st {};
    ASSERT_EQ(::lstat(own.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0700u);
    fs::remove(own);

    // A runtime folder others may enter, or a relative one, is passed over for our own folder.
    fs::permissions(tmp.path, fs::perms::owner_all | fs::perms::others_exec);
    EXPECT_EQ(LockFolder(runtime.c_str(), runtime.c_str(), nullptr, uid), own.string());
    EXPECT_EQ(LockFolder("relative", runtime.c_str(), nullptr, uid), own.string());
    fs::remove(own);

    const std::pair<const char*, std::function<void()>> planted[] = {
        {"a link to a folder", [&] { fs::create_directory_symlink(tmp.path, own); }},
        {"a link to nowhere", [&] { fs::create_symlink(tmp.path / "nowhere", own); }},
        {"a file", [&] { std::ofstream(own) << "x"; }},
        {"a folder others may write to", [&] { fs::create_directory(own), fs::permissions(own, fs::perms::all); }},
    };
    const fs::path home = tmp.path / "home";
    fs::create_directory(home);
    fs::permissions(home, fs::perms::owner_all | fs::perms::group_read | fs::perms::others_read);
    const fs::path inHome = home / ".cache" / "vigilon";
    for (const auto& [what, plant] : planted) {
        plant();
        EXPECT_EQ(LockFolder(nullptr, runtime.c_str(), nullptr, uid), std::nullopt) << what;
        EXPECT_EQ(LockFolder(nullptr, runtime.c_str(), nullptr, uid + 1), std::nullopt)
            << "another user's view: " << what;
        // A home folder of our own gives a private place after all; another user's home does not.
        EXPECT_EQ(LockFolder(nullptr, runtime.c_str(), home.c_str(), uid), inHome.string()) << what;
        EXPECT_EQ(LockFolder(nullptr, runtime.c_str(), home.c_str(), uid + 1), std::nullopt) << what;
        ASSERT_EQ(::lstat(inHome.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, 0700u);
        fs::remove(own);
    }
    fs::permissions(home, fs::perms::all);  // a home others may change is no private place either
    fs::remove_all(home / ".cache");
    std::ofstream(own) << "x";
    EXPECT_EQ(LockFolder(nullptr, runtime.c_str(), home.c_str(), uid), std::nullopt);
    fs::remove(own);
}

TEST(SingleInstance, OneLockPerXDisplay) {
    // clang-format off
    const std::pair<const char*, const char*> cases[] = {
        {nullptr, "V"}, {"", "V"}, {":0", "V@:0"}, {":0.1", "V@:0"}, {"unix:0.0", "V@:0"},
        {"localhost:10.0", "V@localhost:10"}, {"host.lan:1", "V@host.lan:1"},
    };
    // clang-format on
    for (const auto& [display, lock] : cases)
        EXPECT_EQ(platform::posix::LockNameForDisplay("V", display), lock) << (display ? display : "(unset)");
}

TEST(SingleInstance, HeldWhileItsProcessLivesElsewhereRefused) {
    const RuntimeFolder runtime;
    const std::string name = "vigilon-test-" + std::to_string(::getpid());
    EXPECT_TRUE(ChildAcquires(name));  // the child held it and ended without unlocking: free again
    ASSERT_EQ(AcquireInstanceLock(name), LockResult::Acquired);
    EXPECT_TRUE(fs::exists(runtime.path / (name + ".lock")));
    EXPECT_FALSE(ChildAcquires(name));
    EXPECT_EQ(AcquireInstanceLock(name), LockResult::Acquired);  // the holder may ask again (the bar is re-created)
    EXPECT_FALSE(ChildAcquires(name));                           // and still shuts out others
    EXPECT_TRUE(ChildAcquires(name + "-other"));

    // Without the runtime folder the lock lives in a private folder under $TMPDIR (LockFolder's
    // choice). Someone else's folder at that name there: the lock moves to the home folder, and still
    // shuts out a second start. Without a home of our own the start is refused, never run unchecked.
    const RuntimeFolder other;
    const std::optional<std::string> savedHome =
        std::getenv("HOME") ? std::optional<std::string>(std::getenv("HOME")) : std::nullopt;
    ::setenv("TMPDIR", other.path.c_str(), 1);
    ::setenv("XDG_RUNTIME_DIR", (runtime.path / "gone").c_str(), 1);
    const fs::path planted = other.path / ("vigilon-" + std::to_string(::getuid()));
    fs::create_directory(planted);
    fs::permissions(planted, fs::perms::all);
    const fs::path home = other.path / "home";
    fs::create_directory(home);
    ::setenv("HOME", home.c_str(), 1);
    ASSERT_EQ(AcquireInstanceLock(name + "-home"), LockResult::Acquired);
    EXPECT_TRUE(fs::exists(home / ".cache" / "vigilon" / (name + "-home.lock")));
    EXPECT_FALSE(ChildAcquires(name + "-home"));
    fs::permissions(home, fs::perms::all);
    fs::remove_all(home / ".cache");
    EXPECT_EQ(AcquireInstanceLock(name + "-nowhere"), LockResult::NoPrivatePlace);
    savedHome ? ::setenv("HOME", savedHome->c_str(), 1) : ::unsetenv("HOME");
    ::unsetenv("TMPDIR");
}

}  // namespace
