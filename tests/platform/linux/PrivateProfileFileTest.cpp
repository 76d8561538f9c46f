// The Linux settings file on disk: atomic replacement, what a failed write leaves, folders, links,
// permissions, and the choices made where Windows has no single answer.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <sys/file.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <thread>

#include "platform/Platform.h"
#include "platform/PrivateProfile.h"
#include "platform/linux/profile/AtomicFile.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;
using platform::posix::ReadWholeFile;
using platform::profile::ReadInt;
using platform::profile::ReadString;
using platform::profile::WriteString;

class ProfileFileTest : public ::testing::Test {
protected:
    static void Write(const std::string& path, const std::string& text) { std::ofstream(path) << text; }
    // What the folder holds: the settings file and nothing left over from writing it.
    std::vector<std::string> Entries() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(dir_))
            names.push_back(e.path().filename().string());
        return names;
    }

    const testsupport::TempDir temp_;
    const fs::path& dir_ = temp_.path;
    const std::string path_ = (dir_ / "Vigilon.ini").string();
    const std::vector<std::string> justTheFile_{"Vigilon.ini"};
};

// Runs body in a child process under a file-size limit; true when body returned true.
bool InChildWithSizeLimit(rlim_t bytes, const std::function<bool()>& body) {
    const pid_t child = ::fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, bytes};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ::_exit(body() ? 0 : 1);
    }
    int status = 0;
    return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST_F(ProfileFileTest, FoldersAreCreatedAndBadPathsRefused) {
    const std::string nested = (dir_ / "config" / "vigilon" / "Vigilon.ini").string();
    ASSERT_TRUE(WriteString(nested, "Settings", "Trans", "200"));
    EXPECT_EQ(ReadInt(nested, "Settings", "Trans", 0), 200);

    Write((dir_ / "plain").string(), "not a folder");
    for (const fs::path& bad : {dir_ / "plain" / "Vigilon.ini", dir_, fs::path()})
        EXPECT_FALSE(WriteString(bad.string(), "S", "K", "v")) << bad;
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

TEST_F(ProfileFileTest, AnUnreadableFileIsNotReplaced) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not stop root";
    // (A read-only folder, where the file is rewritten in place: InPlaceRewriteNeverCutsTheOldFile.)
    Write(path_, "[S]\nK=2\n");
    fs::permissions(path_, fs::perms::owner_write);
    EXPECT_FALSE(WriteString(path_, "S", "Other", "2")) << "an unreadable file is not replaced";
    fs::permissions(path_, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(ReadWholeFile(path_), "[S]\nK=2\n");
}

// The user nobody, when the tests run as root: someone who cannot write into a read-only folder.
constexpr uid_t kNobody = 65534;

// Runs body in a child process for which folder refuses new files while files in it stay writable
// (run as root, the child is nobody and owns them); true when body returned true.
bool InChildThatCannotCreateFiles(const fs::path& folder, const std::function<bool()>& body) {
    const bool root = ::geteuid() == 0;
    if (root) {
        for (const auto& e : fs::directory_iterator(folder))
            EXPECT_EQ(::lchown(e.path().c_str(), kNobody, kNobody), 0);
        EXPECT_EQ(::chown(folder.c_str(), kNobody, kNobody), 0);
    }
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
    const pid_t child = ::fork();
    if (child == 0) {
        if (root && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0))
            ::_exit(2);
        ::_exit(body() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    fs::permissions(folder, fs::perms::owner_all);
    EXPECT_TRUE(WIFEXITED(status)) << "the child died of signal " << WTERMSIG(status);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Whatever sits at the settings path reads as a missing file, and reading it neither blocks nor
// takes more memory than a settings file's largest size.
TEST_F(ProfileFileTest, OnlyRegularFilesOfASaneSizeAreRead) {
    // The refused save names the real reason.
    const struct {
        const char* what;
        std::function<void()> plant;
        std::string reason;
    } hostile[] = {
        {"a FIFO without a writer", [&] { ASSERT_EQ(::mkfifo(path_.c_str(), 0600), 0); },
         "通常のファイルではありません"},
        {"a link to /dev/zero", [&] { fs::create_symlink("/dev/zero", path_); }, "通常のファイルではありません"},
        {"a folder", [&] { fs::create_directory(path_); }, std::strerror(EISDIR)},
        {"a 10 MB file", [&] { Write(path_, "[S]\nK=big\n" + std::string(10 << 20, ';')); }, std::strerror(EFBIG)},
    };
    for (const auto& c : hostile) {
        c.plant();
        EXPECT_EQ(ReadString(path_, "S", "K", "none", 64), "none") << c.what;
        EXPECT_EQ(ReadInt(path_, "S", "K", 7), 7) << c.what;
        std::string reason;
        EXPECT_FALSE(WriteString(path_, "S", "K", "v", &reason)) << c.what;
        EXPECT_EQ(reason.rfind(c.reason, 0), 0u) << c.what << ": " << reason;
        fs::remove_all(path_);
    }
}

// Several keys go in one rewrite: a limit that stops the whole leaves the old file as it was (before,
// the first key got in and the rest did not), and the reason is the limit's.
TEST_F(ProfileFileTest, ASaveWritesAllItsKeysOrNone) {
    const std::string old = "[Setting]\nDrive=C\n";  // 18 bytes
    Write(path_, old);
    platform::profile::Entries entries;  // the first fits under the limit, the whole does not
    for (int i = 0; i < 10; ++i)
        entries.emplace_back("Key" + std::to_string(i), "1/1,2/11");
    EXPECT_TRUE(InChildWithSizeLimit(100, [&] {
        std::string reason;
        return !platform::profile::WriteStrings(path_, "Setting", entries, &reason) && reason == std::strerror(EFBIG);
    })) << "refused with the file-size limit's reason";
    EXPECT_EQ(ReadWholeFile(path_), old);
    EXPECT_EQ(Entries(), justTheFile_);

    ASSERT_TRUE(platform::profile::WriteStrings(path_, "Setting", entries));
    EXPECT_EQ(Entries(), justTheFile_) << "no temporary file left beside it";
    entries.insert(entries.begin(), {"Drive", "C"});
    EXPECT_EQ(platform::profile::ReadSection(path_, "Setting", 64), entries);
}

// Saves killed halfway leave their temporary files; the next start's first read removes ours, but not
// one a save still holds nor one of another user.
TEST_F(ProfileFileTest, TemporaryFilesOfInterruptedSavesGoAtTheNextStart) {
    Write(path_, "[S]\nK=1\n");
    for (const char* name : {".Vigilon.ini.Ab12Cd", ".Vigilon.ini.zzzzzz"})
        Write((dir_ / name).string(), "[S]\nK=half");
    const std::string held = (dir_ / ".Vigilon.ini.HELD00").string();
    Write(held, "[S]\nK=2");
    const int holder = ::open(held.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(::flock(holder, LOCK_EX), 0);
    const std::string others = (dir_ / ".Vigilon.ini.nobody").string();
    Write(others, "x");
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(others.c_str(), 65534, 65534), 0);
    }
    Write((dir_ / "Vigilon.ini.bak").string(), "kept");

    EXPECT_EQ(ReadInt(path_, "S", "K", 0), 1);
    std::vector<std::string> left = Entries();
    std::sort(left.begin(), left.end());
    std::vector<std::string> expected = {".Vigilon.ini.HELD00", "Vigilon.ini", "Vigilon.ini.bak"};
    if (root)
        expected.insert(expected.begin() + 1, ".Vigilon.ini.nobody");
    EXPECT_EQ(left, expected);
    ::close(holder);
}

// A settings file on a mount that stops answering (a FUSE mount whose server never replies): the read
// gives up after the drive limit and the file reads as unreadable; later reads and saves fail at once
// while that look is stuck; the bar's thread is never held longer.
TEST_F(ProfileFileTest, AFileThatDoesNotAnswerReadsAsUnreadable) {
    const fs::path mount = dir_ / "dead";
    fs::create_directory(mount);
    const int fuse = ::open("/dev/fuse", O_RDWR | O_CLOEXEC);
    const std::string options = "fd=" + std::to_string(fuse) + ",rootmode=40000,user_id=0,group_id=0";
    if (fuse < 0 || ::mount("vigilon-dead", mount.c_str(), "fuse", MS_NOSUID | MS_NODEV, options.c_str()) != 0) {
        if (fuse >= 0)
            ::close(fuse);
        GTEST_SKIP() << "no FUSE mount can be made here";
    }
    const std::string stuck = (mount / "Vigilon.ini").string();
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    EXPECT_EQ(ReadString(stuck, "Setting", "Drive", "", 64), "");
    EXPECT_EQ(ReadInt(stuck, "Setting", "Trans", 0), 0);
    std::string reason;
    EXPECT_FALSE(WriteString(stuck, "Setting", "Trans", "200", &reason));
    EXPECT_EQ(reason, std::strerror(ETIMEDOUT));
    const auto waited = Clock::now() - start;
    EXPECT_LT(waited, std::chrono::milliseconds(platform::kDriveAnswerMs * 3)) << "one wait for the stuck look only";
    // Released: the stuck look comes back, and the file is looked at again.
    ::umount2(mount.c_str(), MNT_DETACH);
    ::close(fuse);
    for (int i = 0; i < 100 && ReadInt(stuck, "Setting", "Trans", 7) != 7; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(ReadInt(stuck, "Setting", "Trans", 7), 7);
}

// The writer writes regular files only, and only those it may write; a link stays a link.
TEST_F(ProfileFileTest, WritesGoIntoWritableRegularFilesOnly) {
    const fs::path other = dir_ / "other";
    struct Case {
        const char* what;
        std::function<void()> plant;
        fs::file_type typeAfter;  // of other
    };
    const Case refused[] = {
        {"a link to a FIFO", [&] { ASSERT_EQ(::mkfifo(other.c_str(), 0600), 0); }, fs::file_type::fifo},
        {"a link to a read-only file",
         [&] {
             Write(other.string(), "[S]\nK=1\n");
             fs::permissions(other, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
         },
         fs::file_type::regular},
    };
    for (const Case& c : refused) {
        c.plant();
        fs::create_symlink(other, path_);
        EXPECT_FALSE(WriteString(path_, "S", "K", "2")) << c.what;
        EXPECT_EQ(fs::symlink_status(other).type(), c.typeAfter) << c.what;
        EXPECT_TRUE(fs::is_symlink(path_)) << c.what;
        fs::remove(path_);
        fs::remove_all(other);
    }

    // A file nobody may write is read-only, as Windows' attribute is even to an administrator, and
    // the refusal carries the system's reason.
    Write(path_, "[S]\nK=1\n");
    fs::permissions(path_, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    std::string reason;
    EXPECT_FALSE(WriteString(path_, "S", "K", "2", &reason)) << "a read-only file, even for root";
    EXPECT_EQ(reason, "Permission denied");
    EXPECT_EQ(ReadWholeFile(path_), "[S]\nK=1\n");
    fs::remove(path_);

    // A dangling link: the file it names is created, and the link stays.
    fs::create_symlink("other", path_);
    EXPECT_TRUE(WriteString(path_, "S", "K", "3"));
    EXPECT_TRUE(fs::is_symlink(path_));
    EXPECT_EQ(ReadWholeFile(other.string()), "[S]\nK=3\n");
}

// In a folder that refuses new files the file is rewritten in place; a write that does not fit under
// the file-size limit or on the disk leaves the old file whole.
TEST_F(ProfileFileTest, InPlaceRewriteNeverCutsTheOldFile) {
    const std::string old = "[S]\nA=1\nB=2\n";
    Write(path_, old);
    EXPECT_TRUE(InChildThatCannotCreateFiles(dir_, [&] {
        const rlimit limit{1024, 1024};  // SIGXFSZ keeps its default: a write past the limit would kill
        return ::setrlimit(RLIMIT_FSIZE, &limit) == 0 && !WriteString(path_, "S", "A", std::string(2000, 'x')) &&
               WriteString(path_, "S", "B", "3");
    }));
    EXPECT_EQ(ReadWholeFile(path_), "[S]\nA=1\nB=3\n");
    EXPECT_EQ(Entries(), justTheFile_);

    // A full disk: a small file system of its own (root only).
    const fs::path disk = dir_ / "disk";
    fs::create_directory(disk);
    if (::mount("vigilon-test", disk.c_str(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "no tmpfs can be mounted here";
    const std::string onDisk = (disk / "Vigilon.ini").string();
    Write(onDisk, old);
    {
        std::ofstream filler(disk / "filler", std::ios::binary);
        const std::string block(4096, 'f');
        while (filler.write(block.data(), block.size()))
            ;
    }
    EXPECT_TRUE(
        InChildThatCannotCreateFiles(disk, [&] { return !WriteString(onDisk, "S", "A", std::string(8192, 'x')); }));
    EXPECT_EQ(ReadWholeFile(onDisk), old);
    ::umount(disk.c_str());
}

// The parsed file serves every look-up until the file changes (device, inode, size, modification time).
TEST_F(ProfileFileTest, TheFileIsParsedOncePerChange) {
    std::string text = "[DriveMap]\n";
    for (int i = 0; i < 511; ++i)
        text += "D" + std::to_string(i) + "=/mnt/" + std::to_string(i % 10) + "\n";
    text += std::string(3 << 20, ';') + "\n[Setting]\nDrive=C\n";
    Write(path_, text);
    ASSERT_EQ(ReadString(path_, "DriveMap", "D0", "", 64), "/mnt/0");

    // Changed behind the reader's back with size and time kept: the parse in hand still answers.
    struct stat before {};
    ASSERT_EQ(::stat(path_.c_str(), &before), 0);
    {
        std::fstream f(path_, std::ios::in | std::ios::out | std::ios::binary);
        f.seekp(static_cast<std::streamoff>(text.find("/mnt/0")));
        f << "/tmp/0";
    }
    const timespec times[2] = {before.st_atim, before.st_mtim};
    ASSERT_EQ(::utimensat(AT_FDCWD, path_.c_str(), times, 0), 0);
    for (int i = 0; i < 511; ++i)
        ASSERT_EQ(ReadString(path_, "DriveMap", "D" + std::to_string(i), "", 64), "/mnt/" + std::to_string(i % 10));
    EXPECT_EQ(ReadString(path_, "Setting", "Drive", "", 64), "C");

    const timespec later[2] = {before.st_atim, {before.st_mtim.tv_sec + 1, before.st_mtim.tv_nsec}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path_.c_str(), later, 0), 0);
    EXPECT_EQ(ReadString(path_, "DriveMap", "D0", "", 64), "/tmp/0");
    // A write of our own is seen at once, whatever the clock's resolution, by the whole-section read too.
    ASSERT_TRUE(WriteString(path_, "DriveMap", "D0", "/srv"));
    const platform::profile::Entries map = platform::profile::ReadSection(path_, "DriveMap", 64);
    ASSERT_EQ(map.size(), 511u);
    EXPECT_EQ(map.front(), (std::pair<std::string, std::string>{"D0", "/srv"}));
    EXPECT_EQ(map.back(), (std::pair<std::string, std::string>{"D510", "/mnt/0"}));
}

// A file with a UTF-16 mark (as Windows' editors save it) is read as text and keeps its encoding.
TEST_F(ProfileFileTest, Utf16FilesAreReadAndWrittenInTheirEncoding) {
    using namespace std::string_literals;
    Write(path_, "\xFF\xFE"s + "[\0S\0]\0\r\0\n\0K\0=\0"s + "B0"s + "\r\0\n\0"s);
    EXPECT_EQ(ReadString(path_, "S", "K", "", 64), "あ");
    ASSERT_TRUE(WriteString(path_, "S", "N", "7"));
    EXPECT_EQ(ReadWholeFile(path_), "\xFF\xFE"s + "[\0S\0]\0\r\0\n\0K\0=\0"s + "B0"s + "\r\0\n\0N\0=\0007\0\r\0\n\0"s);
    EXPECT_EQ(ReadInt(path_, "S", "N", 0), 7);
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
