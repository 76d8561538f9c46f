// The Linux settings file on disk: atomic replacement, what a failed write leaves, folders, links,
// permissions, and the choices made where Windows has no single answer.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <random>

#include "platform/PrivateProfile.h"
#include "platform/linux/AtomicFile.h"

namespace {

namespace fs = std::filesystem;
using platform::posix::ReadWholeFile;
using platform::profile::ReadInt;
using platform::profile::ReadString;
using platform::profile::WriteString;

class ProfileFileTest : public ::testing::Test {
protected:
    ProfileFileTest() { fs::create_directories(dir_); }
    ~ProfileFileTest() override {
        std::error_code ec;
        fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(dir_, ec);
    }
    static void Write(const std::string& path, const std::string& text) { std::ofstream(path) << text; }
    // What the folder holds: the settings file and nothing left over from writing it.
    std::vector<std::string> Entries() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(dir_))
            names.push_back(e.path().filename().string());
        return names;
    }

    const fs::path dir_ = fs::temp_directory_path() / ("vigilon-file-" + std::to_string(std::random_device{}()));
    const std::string path_ = (dir_ / "Vigilon.ini").string();
    const std::vector<std::string> justTheFile_{"Vigilon.ini"};
};

TEST_F(ProfileFileTest, FailedWriteLeavesTheOldFileWholeAndNoTemporaryFile) {
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(WriteString(path_, "Settings", "K" + std::to_string(i), "v"));
    EXPECT_EQ(Entries(), justTheFile_);
    const std::string before = ReadWholeFile(path_).value();
    // A file-size limit makes the temporary file's write fail even for root; the child reports.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{64, 64};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ::_exit(WriteString(path_, "Settings", "Big", std::string(4096, 'x')) ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the write should have failed";
    EXPECT_EQ(ReadWholeFile(path_), before);
    EXPECT_EQ(Entries(), justTheFile_);
}

TEST_F(ProfileFileTest, FoldersAreCreatedAndBadPathsOrEntriesRefused) {
    const std::string nested = (dir_ / "config" / "vigilon" / "Vigilon.ini").string();
    ASSERT_TRUE(WriteString(nested, "Settings", "Trans", "200"));
    EXPECT_EQ(ReadInt(nested, "Settings", "Trans", 0), 200);

    Write((dir_ / "plain").string(), "not a folder");
    for (const fs::path& bad : {dir_ / "plain" / "Vigilon.ini", dir_, fs::path()})
        EXPECT_FALSE(WriteString(bad.string(), "S", "K", "v")) << bad;

    Write(path_, "[S]\nK=1\n");
    EXPECT_FALSE(WriteString(path_, "S", "K", "two\nlines"));
    EXPECT_FALSE(WriteString(path_, "S", "", "v"));
    EXPECT_EQ(ReadWholeFile(path_), "[S]\nK=1\n");
}

TEST_F(ProfileFileTest, LinkAndPermissionsOfTheFileAreKept) {
    const fs::path target = dir_ / "real.ini";
    Write(target.string(), "[S]\nK=1\n");
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink(target, path_);
    ASSERT_TRUE(WriteString(path_, "S", "K", "2"));
    EXPECT_TRUE(fs::is_symlink(path_));
    EXPECT_EQ(ReadWholeFile(target.string()), "[S]\nK=2\n");
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(ProfileFileTest, FolderAndFilePermissionsAreHonoured) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not stop root";
    Write(path_, "[S]\nK=1\n");
    fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_TRUE(WriteString(path_, "S", "K", "2")) << "a read-only folder: the file is rewritten in place";
    EXPECT_EQ(ReadInt(path_, "S", "K", 0), 2);
    EXPECT_EQ(Entries(), justTheFile_);

    fs::permissions(dir_, fs::perms::owner_all);
    fs::permissions(path_, fs::perms::owner_write);
    EXPECT_FALSE(WriteString(path_, "S", "Other", "2")) << "an unreadable file is not replaced";
    fs::permissions(path_, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(ReadWholeFile(path_), "[S]\nK=2\n");
}

// A file nobody may write is read-only, as Windows' attribute is even to an administrator, and the
// refusal carries the system's reason.
TEST_F(ProfileFileTest, AReadOnlyFileOrAFolderIsNotWrittenForAnyone) {
    Write(path_, "[S]\nK=1\n");
    fs::permissions(path_, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    std::string reason;
    EXPECT_FALSE(WriteString(path_, "S", "K", "2", &reason));
    EXPECT_EQ(reason, "Permission denied");
    fs::permissions(path_, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(ReadWholeFile(path_), "[S]\nK=1\n");

    const std::string folder = (dir_ / "folder.ini").string();
    fs::create_directory(folder);
    EXPECT_FALSE(WriteString(folder, "S", "K", "2", &reason));
    EXPECT_EQ(reason, "Is a directory");
}

// Where Windows gives no single answer, these are the Linux choices.
TEST_F(ProfileFileTest, LinuxChoicesForEdgeValues) {
    Write(path_, "[S]\nEmpty=\nText=\xE3\x81\x82\xE3\x81\x84\n");
    EXPECT_EQ(ReadInt(path_, "S", "Empty", 42), 42);  // an empty value counts as missing, as Wine has it
    EXPECT_EQ(ReadString(path_, "S", "Missing", "C  ", 64), "C");
    EXPECT_EQ(ReadString(path_, "S", "Missing", "abcdef", 4), "abc");
    EXPECT_EQ(ReadString(path_, "S", "Text", "", 5), "\xE3\x81\x82");

    ASSERT_TRUE(platform::posix::ReplaceFile(path_, ""));
    EXPECT_EQ(ReadWholeFile(path_), "");
    EXPECT_EQ(ReadWholeFile((dir_ / "none").string()), std::nullopt);
    EXPECT_EQ(ReadWholeFile(dir_.string()), std::nullopt);
}

}  // namespace
