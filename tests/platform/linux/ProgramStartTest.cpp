// Finding the system-information tool on PATH, starting programs detached, and the README's place,
// on real files in a temporary folder.
#include "platform/linux/system/ProgramStart.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;
using platform::posix::FindOnPath;

class ProgramStartTest : public ::testing::Test {
protected:
    // A shell script at root/rel with this body; executable unless told otherwise.
    std::string Script(const std::string& rel, const std::string& body, bool executable = true) {
        const fs::path p = root / rel;
        fs::create_directories(p.parent_path());
        std::ofstream(p) << "#!/bin/sh\n" << body << "\n";
        ::chmod(p.c_str(), executable ? 0755 : 0644);
        return p.string();
    }
    std::string Dir(const std::string& rel) const { return (root / rel).string(); }

    const testsupport::TempDir temp;
    const fs::path& root = temp.path;
};

TEST_F(ProgramStartTest, HardinfoTwoFirstThenHardinfoOnlyExecutableFilesInAbsoluteFolders) {
    Script("a/hardinfo", "");
    Script("b/hardinfo2", "");
    Script("c/hardinfo", "", false);
    fs::create_directories(root / "d/hardinfo");
    Script("e/hardinfo2", "");  // planted in a folder anyone may write to
    ::chmod(Dir("e").c_str(), 01777);
    Script("f/hardinfo2", "");  // in a folder the group may write to
    ::chmod(Dir("f").c_str(), 0775);
    Script("g/hardinfo2", "");  // a file anyone may change
    ::chmod(Dir("g/hardinfo2").c_str(), 0777);
    const struct {
        std::string path;
        std::optional<std::string> found;
    } cases[] = {
        {Dir("a") + ":" + Dir("b"), Dir("b") + "/hardinfo2"},  // the newer tool wins wherever it is
        {Dir("c") + "::" + Dir("a") + "/", Dir("a") + "/hardinfo"},
        {Dir("c") + ":" + Dir("d"), std::nullopt},  // not executable; a folder
        {"", std::nullopt},
        {Dir("e") + ":" + Dir("f") + ":" + Dir("g") + ":" + Dir("a"), Dir("a") + "/hardinfo"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FindOnPath(c.path, {"hardinfo2", "hardinfo"}), c.found) << c.path;
    // A relative entry names the current folder's contents: never searched.
    const fs::path before = fs::current_path();
    fs::current_path(root);
    EXPECT_EQ(FindOnPath("a", {"hardinfo"}), std::nullopt);
    fs::current_path(before);
}

TEST_F(ProgramStartTest, StartsDetachedWithItsArgumentsOrReportsItCannot) {
    const std::string out = Dir("out.txt");
    const std::string tool = Script("bin/hardinfo", "echo \"$1\" > " + out + ".tmp && mv " + out + ".tmp " + out);
    ASSERT_TRUE(platform::posix::StartDetached({tool, "an argument"}));
    // The program runs on its own; wait for its file.
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!fs::exists(out) && std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    std::string line;
    std::getline(std::ifstream(out), line);
    EXPECT_EQ(line, "an argument");

    EXPECT_FALSE(platform::posix::StartDetached({Dir("bin/missing")}));
    EXPECT_FALSE(platform::posix::StartDetached({Script("bin/plain", "", false)}));
    EXPECT_FALSE(platform::posix::StartDetached({}));
}

TEST_F(ProgramStartTest, ReadmeOfTheInstalledProgramElseBesideElseTheSourceTreeElseNone) {
    fs::create_directories(root / "prefix/bin");
    fs::create_directories(root / "prefix/share/doc/vigilon");
    std::ofstream(root / "prefix/share/doc/vigilon/README.md") << "installed";
    fs::create_directories(root / "src/build/linux-release");
    std::ofstream(root / "src/README.md") << "source";
    fs::create_directories(root / "nowhere/bin");
    const std::pair<std::string, std::string> cases[] = {
        {Dir("prefix/bin"), Dir("prefix/share/doc/vigilon/README.md")},
        {Dir("src/build/linux-release"), Dir("src/README.md")},
        {Dir("nowhere/bin"), ""},  // none anywhere: no place to show
    };
    for (const auto& [exeFolder, readme] : cases)
        EXPECT_EQ(platform::posix::ReadmeFor(exeFolder), readme) << exeFolder;
}

}  // namespace
