// The Linux settings file on disk: atomic replacement, what a failed write leaves, folders, links,
// permissions, and the choices made where Windows has no single answer.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "platform/PrivateProfile.h"
#include "platform/linux/AtomicFile.h"

namespace {

namespace fs = std::filesystem;
using platform::profile::ReadInt;
using platform::profile::ReadString;
using platform::profile::WriteString;

class ProfileFileTest : public ::testing::Test {
protected:
    ProfileFileTest() {
        dir_ = fs::temp_directory_path() / ("vigilon-file-" + std::to_string(std::random_device{}()));
        fs::create_directories(dir_);
        path_ = (dir_ / "Vigilon.ini").string();
    }
    ~ProfileFileTest() override {
        std::error_code ec;
        fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(dir_, ec);
    }
    static void Write(const std::string& path, const std::string& text) {
        std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
    }
    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    std::vector<std::string> Entries() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(dir_))
            names.push_back(e.path().filename().string());
        return names;
    }

    fs::path dir_;
    std::string path_;
};

TEST_F(ProfileFileTest, WritesLeaveNoTemporaryFiles) {
    for (int i = 0; i < 5; ++i)
        ASSERT_TRUE(WriteString(path_, "S", std::string("K").append(std::to_string(i)), "v"));
    EXPECT_EQ(Entries(), std::vector<std::string>{"Vigilon.ini"});
}

TEST_F(ProfileFileTest, FailedWriteLeavesTheOldFileWhole) {
    const std::string original = "[Settings]\nTrans=200\n";
    Write(path_, original);
    // A file-size limit makes the temporary file's write fail even for root; the child reports.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{64, 64};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const bool written = WriteString(path_, "Settings", "Big", std::string(4096, 'x'));
        ::_exit(written ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the write should have failed";
    EXPECT_EQ(Read(path_), original);
    EXPECT_EQ(Entries(), std::vector<std::string>{"Vigilon.ini"});
}

TEST_F(ProfileFileTest, MissingFoldersAreCreated) {
    const std::string nested = (dir_ / "config" / "vigilon" / "Vigilon.ini").string();
    ASSERT_TRUE(WriteString(nested, "Settings", "Trans", "200"));
    EXPECT_EQ(ReadInt(nested, "Settings", "Trans", 0), 200);
}

TEST_F(ProfileFileTest, WriteFailsWhenTheFolderCannotExist) {
    Write((dir_ / "plain").string(), "not a folder");
    EXPECT_FALSE(WriteString((dir_ / "plain" / "Vigilon.ini").string(), "S", "K", "v"));
    EXPECT_FALSE(WriteString(dir_.string(), "S", "K", "v"));  // the path is a folder
    EXPECT_FALSE(WriteString("", "S", "K", "v"));
}

TEST_F(ProfileFileTest, RefusedEntryLeavesTheFileAlone) {
    Write(path_, "[S]\nK=1\n");
    EXPECT_FALSE(WriteString(path_, "S", "K", "two\nlines"));
    EXPECT_FALSE(WriteString(path_, "S", "", "v"));
    EXPECT_EQ(Read(path_), "[S]\nK=1\n");
}

TEST_F(ProfileFileTest, LinkStaysALinkAndItsTargetChanges) {
    const fs::path target = dir_ / "real.ini";
    Write(target.string(), "[S]\nK=1\n");
    fs::create_symlink(target, path_);
    ASSERT_TRUE(WriteString(path_, "S", "K", "2"));
    EXPECT_TRUE(fs::is_symlink(path_));
    EXPECT_EQ(Read(target.string()), "[S]\nK=2\n");
}

TEST_F(ProfileFileTest, PermissionsOfTheFileAreKept) {
    Write(path_, "[S]\nK=1\n");
    fs::permissions(path_, fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_TRUE(WriteString(path_, "S", "K", "2"));
    EXPECT_EQ(fs::status(path_).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(ProfileFileTest, ReadOnlyFolderFallsBackToRewritingInPlace) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "folder permissions do not stop root";
    Write(path_, "[S]\nK=1\n");
    fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_TRUE(WriteString(path_, "S", "K", "2"));
    EXPECT_EQ(ReadInt(path_, "S", "K", 0), 2);
    EXPECT_EQ(Entries(), std::vector<std::string>{"Vigilon.ini"});
}

TEST_F(ProfileFileTest, UnreadableFileIsNotReplaced) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "file permissions do not stop root";
    Write(path_, "[S]\nK=1\n");
    fs::permissions(path_, fs::perms::owner_write);
    EXPECT_FALSE(WriteString(path_, "S", "Other", "2"));
    fs::permissions(path_, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(Read(path_), "[S]\nK=1\n");
}

// Where Windows gives no single answer, these are the Linux choices.
TEST_F(ProfileFileTest, LinuxChoicesForEdgeValues) {
    Write(path_, "[S]\nEmpty=\nText=\xE3\x81\x82\xE3\x81\x84\n");
    EXPECT_EQ(ReadInt(path_, "S", "Empty", 42), 42);  // an empty value counts as missing, as Wine has it
    EXPECT_EQ(ReadString(path_, "S", "Missing", "C  ", 64), "C");
    EXPECT_EQ(ReadString(path_, "S", "Missing", "abcdef", 4), "abc");
    EXPECT_EQ(ReadString(path_, "S", "Text", "", 5), "\xE3\x81\x82");
}

TEST_F(ProfileFileTest, ReplaceFileReplacesWholeContents) {
    ASSERT_TRUE(platform::posix::ReplaceFile(path_, "one"));
    ASSERT_TRUE(platform::posix::ReplaceFile(path_, ""));
    EXPECT_EQ(platform::posix::ReadWholeFile(path_), "");
    EXPECT_EQ(platform::posix::ReadWholeFile((dir_ / "none").string()), std::nullopt);
    EXPECT_EQ(platform::posix::ReadWholeFile(dir_.string()), std::nullopt);
}

}  // namespace
