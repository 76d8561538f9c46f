// The private-profile rules the settings rely on, checked against whichever implementation the
// platform has: the system functions on Windows (run under Wine), our own on Linux. Only behaviour
// that the Windows functions have is asserted here.
#include "platform/PrivateProfile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;
using platform::profile::ReadInt;
using platform::profile::ReadString;
using platform::profile::WriteString;

class PrivateProfileTest : public ::testing::Test {
protected:
    PrivateProfileTest() { fs::create_directories(dir_); }
    ~PrivateProfileTest() override {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }

    void WriteFile(const std::string& text) const {
        std::ofstream out(path_, std::ios::binary | std::ios::trunc);
        out << text;
    }
    std::string ReadFile() const {
        std::ifstream in(path_, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    std::string Read(const std::string& section, const std::string& key, const std::string& def = "<default>") const {
        return ReadString(path_, section, key, def, 1024);
    }

    const fs::path dir_ = fs::temp_directory_path() / ("vigilon-profile-" + std::to_string(std::random_device{}()));
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
    EXPECT_EQ(Read("SETTINGS", "trans"), "200");
    EXPECT_EQ(Read("settings", "DRIVE"), "C,D");
    EXPECT_EQ(ReadInt(path_, "Settings", "Blank", -1), 180);
    EXPECT_EQ(Read("Dup", "Trans"), "100");
    EXPECT_EQ(Read("Q", "A"), "quoted value");
    EXPECT_EQ(Read("Q", "B"), "single");
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

TEST_F(PrivateProfileTest, WriteCreatesTheFileSectionAndKeyAndReadsBack) {
    ASSERT_FALSE(fs::exists(path_));
    EXPECT_TRUE(WriteString(path_, "Settings", "Trans", "200"));
    EXPECT_TRUE(WriteString(path_, "Holiday", "Count", "3"));
    EXPECT_TRUE(WriteString(path_, "Settings", "Drive", "D"));  // into the first of two sections
    EXPECT_EQ(Read("Settings", "Trans"), "200");
    EXPECT_EQ(Read("Settings", "Drive"), "D");
    EXPECT_EQ(ReadInt(path_, "Holiday", "Count", -1), 3);
}

TEST_F(PrivateProfileTest, WriteReplacesTheValueAndKeepsEverythingElse) {
    WriteFile("; Vigilon settings\n[Settings]\nTrans=200\nDrive=C\n\n[Holiday]\nCount=2\n");
    EXPECT_TRUE(WriteString(path_, "settings", "TRANS", "150"));

    EXPECT_EQ(Read("Settings", "Trans"), "150");
    EXPECT_EQ(Read("Settings", "Drive"), "C");
    EXPECT_EQ(Read("Holiday", "Count"), "2");
    const std::string text = ReadFile();
    EXPECT_NE(text.find("; Vigilon settings"), std::string::npos);
    EXPECT_EQ(text.find("200"), std::string::npos);
    // One key line only: replaced, not added.
    EXPECT_EQ(text.find("150"), text.rfind("150"));
}

}  // namespace
