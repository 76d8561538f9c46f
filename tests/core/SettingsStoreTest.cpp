// The settings store against the build's real private-profile functions (our own on Linux, the
// system's under Wine): primitives, number conversion, and the record with its defaults.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>

#include "core/AppSettings.h"
#include "core/basINIFile.h"
#include "support/FakeFixture.h"

namespace {

using basINIFile::ParseLong;

class SettingsStore : public testsupport::FakeFixture {
protected:
    const core::Settings& Load(const std::string& text) {
        WriteSettings(text);
        core::LoadSettings();
        return core::AppSettings;
    }
};

TEST(ParseLong, WholeTextIsOneNumberRoundedHalfToEven) {
    const std::pair<const char*, std::int32_t> numbers[] = {{"750", 750}, {"  750\t", 750}, {"-42", -42},
                                                            {"+42", 42},  {"750.5", 750},   {"751.5", 752},
                                                            {"-2.5", -2}, {".5", 0},        {"1e3", 1000}};
    for (const auto& [text, expected] : numbers)
        EXPECT_EQ(ParseLong(text), expected) << '"' << text << '"';
    EXPECT_EQ(ParseLong("2147483647"), 2147483647);
    EXPECT_EQ(ParseLong("-2147483648"), -2147483647 - 1);
    // "2147483647.5" rounds to 2^31.
    for (const char* text : {"", "   ", "7a", "12 34", "- 5", "inf", "nan", "2147483647.5", "-2147483649", "1e400"})
        EXPECT_EQ(ParseLong(text), std::nullopt) << '"' << text << '"';
}

TEST_F(SettingsStore, MissingFileGivesEveryDefault) {
    core::LoadSettings();
    const core::Settings& s = core::AppSettings;
    EXPECT_EQ(s.Drive, "C");
    EXPECT_EQ(s.Interval, 500);
    EXPECT_EQ(s.CPUInterval, 500);
    EXPECT_EQ(s.MemoryInterval, 1000);
    EXPECT_EQ(s.DriveInterval, 60000);
    EXPECT_EQ(s.BattInterval, 0);
    EXPECT_EQ(s.Trans, 255);
    EXPECT_EQ(s.CalendarHoliday1, "12/29,12/30,12/31");
    EXPECT_EQ(s.CalendarHoliday2, "");
    EXPECT_EQ(s.ActiveWindow, 0);
    EXPECT_FALSE(s.McAfee);
    EXPECT_TRUE(s.HideOnFullScreen);
    // Defaults are never written back.
    EXPECT_FALSE(std::filesystem::exists(dir / "Vigilon.ini"));
}

TEST_F(SettingsStore, ReadsValuesByTheirOwnRules) {
    const core::Settings& s = Load(
        "[Setting]\r\n"
        "Drive=C,D\r\n"
        "Interval=0\r\n"
        "CPUInterval= 750 \r\n"
        "MemoryInterval=7a\r\n"
        "DriveInterval=30000.5\r\n"
        "BattInterval=0\r\n"
        "Trans=12abc\r\n"
        "ActiveWindow=1\r\n"
        "HideOnFullScreen=0\r\n");
    EXPECT_EQ(s.Drive, "C,D");
    EXPECT_EQ(s.Interval, 500);         // 0 is the same as missing
    EXPECT_EQ(s.CPUInterval, 750);      // blanks around the number
    EXPECT_EQ(s.MemoryInterval, 1000);  // trailing letter: not a number, so the default
    EXPECT_EQ(s.DriveInterval, 30000);  // half to even
    EXPECT_EQ(s.BattInterval, 0);       // 0 stays 0
    EXPECT_EQ(s.Trans, 12);             // the integer read takes the leading number
    EXPECT_EQ(s.ActiveWindow, 1);
    EXPECT_FALSE(s.HideOnFullScreen);  // unlike the others, 0 is not the same as missing
}

TEST_F(SettingsStore, SixteenBitReadsOutOfRangeBecomeZero) {
    const core::Settings& s = Load("[Setting]\nTrans=70000\nActiveWindow=-40000\n");
    EXPECT_EQ(s.Trans, 255);
    EXPECT_EQ(s.ActiveWindow, 0);
}

TEST_F(SettingsStore, EmptyTextKeysFallBackToDefaults) {
    const core::Settings& s = Load("[Setting]\nDrive=\nCalendarHoliday1=\nCalendarHoliday2=1-1-2\n");
    EXPECT_EQ(s.Drive, "C");
    EXPECT_EQ(s.CalendarHoliday1, core::kDefaultHolidays1);
    EXPECT_EQ(s.CalendarHoliday2, "1-1-2");
}

// The law's holidays are built in: lists that are exactly the former defaults load as today's, any
// other list as written.
TEST_F(SettingsStore, FormerDefaultHolidayListsLoadAsTodaysDefaults) {
    const std::string former1 = core::kFormerDefaultHolidays1, former2 = core::kFormerDefaultHolidays2;
    const struct {
        std::string file, list1, list2;
    } files[] = {
        {"CalendarHoliday1=" + former1 + "\nCalendarHoliday2=" + former2, "12/29,12/30,12/31", ""},
        {"CalendarHoliday1=" + former1 + "\nCalendarHoliday2=7-3-2", "12/29,12/30,12/31", "7-3-2"},
        {"CalendarHoliday1=" + former1 + ",6/1\nCalendarHoliday2=" + former2 + ",", former1 + ",6/1", former2 + ","},
        {"CalendarHoliday1=1/1,2/11\nCalendarHoliday2=" + former2, "1/1,2/11", ""},
    };
    for (const auto& f : files) {
        const core::Settings& s = Load("[Setting]\n" + f.file + "\n");
        EXPECT_EQ(s.CalendarHoliday1, f.list1) << f.file;
        EXPECT_EQ(s.CalendarHoliday2, f.list2) << f.file;
    }
}

TEST_F(SettingsStore, McAfeeNeedsExactUpperCaseTrueAndOtherTextKeepsTheFlag) {
    // Loaded one after another: "yes" keeps the flag the "TRUE" before it set.
    const std::pair<const char*, bool> values[] = {{"true", false}, {"TRUE", true}, {"yes", true}, {"", false}};
    for (const auto& [text, on] : values)
        EXPECT_EQ(Load(std::string("[Setting]\nMcAfee=") + text + "\n").McAfee, on) << text;
}

TEST_F(SettingsStore, WrittenValuesAreCutTo1023BytesAndNumbersReadBackByTheirRules) {
    basINIFile::WriteINIString("Setting", "Drive", std::string(1100, 'x'));
    EXPECT_EQ(basINIFile::ReadINIString("Setting", "Drive"), std::string(1023, 'x'));
    basINIFile::WriteINIString("Setting", "BattInterval", "1500.5");
    basINIFile::WriteINIString("Setting", "Trans", "200");
    EXPECT_EQ(basINIFile::ReadINILong("setting", "battinterval"), 1500);
    EXPECT_EQ(basINIFile::ReadINIInteger("Setting", "Trans"), 200);
}

TEST_F(SettingsStore, HandEditedIntervalsOutsideTheTimerRangeAreBroughtIn) {
    const core::Settings& s = Load(
        "[Setting]\nInterval=-1\nCPUInterval=-500\nMemoryInterval=100000\n"
        "DriveInterval=2147483647\nBattInterval=-60000\nTrans=-5\n");
    EXPECT_EQ(s.Interval, 500);
    EXPECT_EQ(s.CPUInterval, 500);
    EXPECT_EQ(s.MemoryInterval, 65535);
    EXPECT_EQ(s.DriveInterval, 65535);
    EXPECT_EQ(s.BattInterval, 0);  // no power check, shown as such
    EXPECT_EQ(s.Trans, -5);        // kept: translucency ignores it and the window stays opaque
}

}  // namespace
