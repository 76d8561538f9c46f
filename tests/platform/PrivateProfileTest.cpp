// The private-profile rules the settings rely on, checked against whichever implementation the
// platform has: the system functions on Windows (run under Wine), our own on Linux. Only behaviour
// that the Windows functions have is asserted here.
#include "platform/PrivateProfile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;
using platform::profile::ReadInt;
using platform::profile::ReadString;

class PrivateProfileTest : public ::testing::Test {
protected:
    void WriteFile(const std::string& text) const {
        std::ofstream out(path_, std::ios::binary | std::ios::trunc);
        out << text;
    }
    std::string Read(const std::string& section, const std::string& key, const std::string& def = "<default>") const {
        return ReadString(path_, section, key, def, 1024);
    }

    const testsupport::TempDir temp_;
    const fs::path& dir_ = temp_.path;
    const std::string path_ = (dir_ / "Vigilon.ini").string();
};

// A settings file with the corners readers meet in files edited by hand.
const std::string kEdited =
    "[Settings]\nTrans=200\n  Drive   =   C,D   \nBlank= 180\nEmpty=\n"
    "[Dup]\nTrans=100\nTrans=200\n[Other]\nX=1\n[Dup]\nTrans=300\n"
    "[N]\nA=12abc\nB= 750 \nC=abc\nD=-5\nE=70000\nF=0\n"
    "[Q]\nA=\"quoted value\"\nB='single'\n[Holiday]\nList=" +
    std::string(1100, 'x') + "\n";

TEST_F(PrivateProfileTest, NamesIgnoreCaseBlanksAndQuotesGoFirstDuplicateWinsLongValueIsCut) {
    WriteFile(kEdited);
    EXPECT_EQ((std::vector<std::string>{Read("SETTINGS", "trans"), Read("settings", "DRIVE"), Read("Dup", "Trans"),
                                        Read("Q", "A"), Read("Q", "B")}),
              (std::vector<std::string>{"200", "C,D", "100", "quoted value", "single"}));
    EXPECT_EQ(ReadInt(path_, "Settings", "Blank", -1), 180);
    EXPECT_EQ(ReadString(path_, "Holiday", "List", "", 1024), std::string(1023, 'x'));  // the buffer less one
}

TEST_F(PrivateProfileTest, DefaultsAndTheLeadingNumber) {
    EXPECT_EQ(Read("Settings", "Trans", "abc"), "abc");  // no file yet
    EXPECT_EQ(ReadInt(path_, "Settings", "Trans", 77), 77);
    WriteFile(kEdited);
    EXPECT_EQ(Read("Missing", "Trans", "abc"), "abc");
    EXPECT_EQ(Read("Settings", "Missing", "abc"), "abc");
    EXPECT_EQ(ReadInt(path_, "Settings", "Missing", -3), -3);
    EXPECT_EQ(Read("Settings", "Empty", "C"), "") << "an empty value is not a missing one";
    const std::pair<const char*, int> numbers[] = {{"A", 12}, {"B", 750}, {"C", 0}, {"D", -5}, {"E", 70000}, {"F", 0}};
    for (const auto& [key, number] : numbers)
        EXPECT_EQ(ReadInt(path_, "N", key, -1), number) << key;
}

// Writing: on Linux ProfileText.SetKeepsEveryOtherByteAndTheFilesLineStyle and the profilewrite fuzz
// target (every key set reads back, untouched lines stay in their order); under Wine
// PrivateProfileWin32Test (a new file read back, a save byte for byte).

}  // namespace
