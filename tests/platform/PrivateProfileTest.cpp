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
    PrivateProfileTest() {
        std::random_device random;
        dir_ = fs::temp_directory_path() / ("vigilon-profile-" + std::to_string(random()));
        fs::create_directories(dir_);
        path_ = (dir_ / "Vigilon.ini").string();
    }
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

    fs::path dir_;
    std::string path_;
};

TEST_F(PrivateProfileTest, SectionAndKeyNamesIgnoreCase) {
    WriteFile("[Settings]\nTrans=200\nDrive=C\n");
    EXPECT_EQ(Read("SETTINGS", "trans"), "200");
    EXPECT_EQ(Read("settings", "DRIVE"), "C");
    EXPECT_EQ(ReadInt(path_, "sEtTiNgS", "TrAnS", -1), 200);
}

TEST_F(PrivateProfileTest, BlanksAroundKeysAndValuesAreTrimmed) {
    WriteFile("[Settings]\n  Drive   =   C,D   \nTrans= 180\n");
    EXPECT_EQ(Read("Settings", "Drive"), "C,D");
    EXPECT_EQ(ReadInt(path_, "Settings", "Trans", -1), 180);
}

TEST_F(PrivateProfileTest, FirstOfDuplicatesWins) {
    WriteFile("[Settings]\nTrans=100\nTrans=200\n[Other]\nX=1\n[Settings]\nTrans=300\n");
    EXPECT_EQ(Read("Settings", "Trans"), "100");
    EXPECT_EQ(ReadInt(path_, "Settings", "Trans", -1), 100);
}

TEST_F(PrivateProfileTest, MissingFileSectionOrKeyGivesTheDefault) {
    EXPECT_EQ(Read("Settings", "Trans", "abc"), "abc");
    EXPECT_EQ(ReadInt(path_, "Settings", "Trans", 77), 77);

    WriteFile("[Settings]\nTrans=200\n");
    EXPECT_EQ(Read("Missing", "Trans", "abc"), "abc");
    EXPECT_EQ(Read("Settings", "Missing", "abc"), "abc");
    EXPECT_EQ(ReadInt(path_, "Missing", "Trans", 77), 77);
    EXPECT_EQ(ReadInt(path_, "Settings", "Missing", -3), -3);
}

TEST_F(PrivateProfileTest, EmptyValueReadsAsEmptyNotAsTheDefault) {
    WriteFile("[Settings]\nDrive=\n");
    EXPECT_EQ(Read("Settings", "Drive", "C"), "");
}

TEST_F(PrivateProfileTest, LongValueIsCutToTheBufferLessOne) {
    const std::string longValue(1100, 'x');
    WriteFile("[Holiday]\nList=" + longValue + "\n");
    const std::string value = ReadString(path_, "Holiday", "List", "", 1024);
    EXPECT_EQ(value, std::string(1023, 'x'));
}

TEST_F(PrivateProfileTest, IntegerIsTheLeadingNumber) {
    WriteFile("[N]\nA=12abc\nB= 750 \nC=abc\nD=-5\nE=70000\nF=0\n");
    EXPECT_EQ(ReadInt(path_, "N", "A", -1), 12);
    EXPECT_EQ(ReadInt(path_, "N", "B", -1), 750);
    EXPECT_EQ(ReadInt(path_, "N", "C", -1), 0);
    EXPECT_EQ(ReadInt(path_, "N", "D", -1), -5);
    EXPECT_EQ(ReadInt(path_, "N", "E", -1), 70000);
    EXPECT_EQ(ReadInt(path_, "N", "F", -1), 0);
}

TEST_F(PrivateProfileTest, EnclosingQuotesAreRemoved) {
    WriteFile("[Q]\nA=\"quoted value\"\nB='single'\n");
    EXPECT_EQ(Read("Q", "A"), "quoted value");
    EXPECT_EQ(Read("Q", "B"), "single");
}

TEST_F(PrivateProfileTest, WriteCreatesTheFileSectionAndKey) {
    ASSERT_FALSE(fs::exists(path_));
    EXPECT_TRUE(WriteString(path_, "Settings", "Trans", "200"));
    EXPECT_TRUE(fs::exists(path_));
    EXPECT_EQ(Read("Settings", "Trans"), "200");

    EXPECT_TRUE(WriteString(path_, "Settings", "Drive", "C,D"));
    EXPECT_TRUE(WriteString(path_, "Holiday", "Count", "3"));
    EXPECT_EQ(Read("Settings", "Trans"), "200");
    EXPECT_EQ(Read("Settings", "Drive"), "C,D");
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

TEST_F(PrivateProfileTest, WrittenValueReadsBackAsWritten) {
    EXPECT_TRUE(WriteString(path_, "Settings", "Drive", "C,D,E"));
    EXPECT_TRUE(WriteString(path_, "Settings", "Drive", "D"));
    EXPECT_EQ(Read("Settings", "Drive"), "D");
    EXPECT_EQ(ReadInt(path_, "Settings", "Drive", 9), 0);
}

}  // namespace
