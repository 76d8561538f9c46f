// The single-instance lock, across real processes.
#include "platform/linux/SingleInstance.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

namespace {

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

class SingleInstanceTest : public ::testing::Test {
protected:
    SingleInstanceTest() {
        runtime_ = std::filesystem::temp_directory_path() / ("vigilon-run-" + std::to_string(std::random_device{}()));
        std::filesystem::create_directories(runtime_);
        const char* old = std::getenv("XDG_RUNTIME_DIR");
        if (old)
            oldRuntime_ = old;
        hadRuntime_ = old != nullptr;
        ::setenv("XDG_RUNTIME_DIR", runtime_.c_str(), 1);
    }
    ~SingleInstanceTest() override {
        if (hadRuntime_) {
            ::setenv("XDG_RUNTIME_DIR", oldRuntime_.c_str(), 1);
        } else {
            ::unsetenv("XDG_RUNTIME_DIR");
        }
        std::error_code ec;
        std::filesystem::remove_all(runtime_, ec);
    }
    std::filesystem::path runtime_;
    std::string oldRuntime_;
    bool hadRuntime_ = false;
};

TEST(SingleInstanceNames, RuntimeFolderFirstThenTmpWithTheUser) {
    EXPECT_EQ(LockFileCandidates("Vigilon", "/run/user/1000", 1000),
              (std::vector<std::string>{"/run/user/1000/Vigilon.lock", "/tmp/Vigilon-1000.lock"}));
    EXPECT_EQ(LockFileCandidates("a/b\\c", nullptr, 5), std::vector<std::string>{"/tmp/a_b_c-5.lock"});
    EXPECT_EQ(LockFileCandidates("V", "relative", 5), std::vector<std::string>{"/tmp/V-5.lock"});
}

TEST_F(SingleInstanceTest, SecondProcessIsRefusedWhileTheFirstLives) {
    const std::string name = "vigilon-test-" + std::to_string(::getpid());
    ASSERT_TRUE(AcquireInstanceLock(name));
    EXPECT_TRUE(std::filesystem::exists(runtime_ / (name + ".lock")));
    EXPECT_FALSE(ChildAcquires(name));
    EXPECT_FALSE(AcquireInstanceLock(name));  // a second acquire in the same process is refused too
    EXPECT_TRUE(ChildAcquires(name + "-other"));
}

TEST_F(SingleInstanceTest, LockOfAProcessThatEndedIsFree) {
    const std::string name = "vigilon-test-ended-" + std::to_string(::getpid());
    EXPECT_TRUE(ChildAcquires(name));  // the child held it and died without unlocking
    EXPECT_TRUE(AcquireInstanceLock(name));
}

TEST_F(SingleInstanceTest, MissingRuntimeFolderFallsBackToTmp) {
    ::setenv("XDG_RUNTIME_DIR", (runtime_ / "gone").c_str(), 1);
    const std::string name = "vigilon-test-tmp-" + std::to_string(::getpid());
    ASSERT_TRUE(AcquireInstanceLock(name));
    const std::string tmpLock = "/tmp/" + name + "-" + std::to_string(::getuid()) + ".lock";
    EXPECT_TRUE(std::filesystem::exists(tmpLock));
    EXPECT_FALSE(ChildAcquires(name));
    std::filesystem::remove(tmpLock);
}

}  // namespace
