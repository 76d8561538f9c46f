// The single-instance lock, across real processes.
#include "platform/linux/SingleInstance.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <random>

namespace {

namespace fs = std::filesystem;
using platform::posix::AcquireInstanceLock;
using platform::posix::LockFileCandidates;

// Runs AcquireInstanceLock(name) in a child process; true when the child got the lock.
bool ChildAcquires(const std::string& name) {
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(AcquireInstanceLock(name) ? 0 : 1);
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Points XDG_RUNTIME_DIR at a fresh folder while it lives.
struct RuntimeFolder {
    const fs::path path = fs::temp_directory_path() / ("vigilon-run-" + std::to_string(std::random_device{}()));
    std::optional<std::string> saved;
    RuntimeFolder() {
        if (const char* old = std::getenv("XDG_RUNTIME_DIR"))
            saved = old;
        fs::create_directories(path);
        ::setenv("XDG_RUNTIME_DIR", path.c_str(), 1);
    }
    ~RuntimeFolder() {
        saved ? ::setenv("XDG_RUNTIME_DIR", saved->c_str(), 1) : ::unsetenv("XDG_RUNTIME_DIR");
        std::error_code ec;
        fs::remove_all(path, ec);
    }
};

TEST(SingleInstance, LockFileNamesOfOddNamesAndRuntimeFolders) {
    EXPECT_EQ(LockFileCandidates("a/b\\c", nullptr, 5), std::vector<std::string>{"/tmp/a_b_c-5.lock"});
    EXPECT_EQ(LockFileCandidates("V", "relative", 5), std::vector<std::string>{"/tmp/V-5.lock"});
}

TEST(SingleInstance, HeldWhileItsProcessLivesElsewhereRefused) {
    const RuntimeFolder runtime;
    const std::string name = "vigilon-test-" + std::to_string(::getpid());
    EXPECT_TRUE(ChildAcquires(name));  // the child held it and ended without unlocking: free again
    ASSERT_TRUE(AcquireInstanceLock(name));
    EXPECT_TRUE(fs::exists(runtime.path / (name + ".lock")));
    EXPECT_FALSE(ChildAcquires(name));
    EXPECT_TRUE(AcquireInstanceLock(name));  // the holder may ask again (the bar is re-created)
    EXPECT_FALSE(ChildAcquires(name));      // and still shuts out others
    EXPECT_TRUE(ChildAcquires(name + "-other"));

    // Without the runtime folder the lock lives in /tmp, named with the user's id.
    ::setenv("XDG_RUNTIME_DIR", (runtime.path / "gone").c_str(), 1);
    ASSERT_TRUE(AcquireInstanceLock(name + "-tmp"));
    const std::string tmpLock = "/tmp/" + name + "-tmp-" + std::to_string(::getuid()) + ".lock";
    EXPECT_TRUE(fs::exists(tmpLock));
    EXPECT_FALSE(ChildAcquires(name + "-tmp"));
    fs::remove(tmpLock);
}

}  // namespace
