// The settings store against the build's real private-profile functions (our own on Linux, the
// system's under Wine): primitives, number conversion, and the record with its defaults, key by key
// as the file spells them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <variant>

#include "core/AppSettings.h"
#include "core/SettingKeys.h"
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

std::string Shown(const std::string& text) {
    return text;
}
std::string Shown(std::int32_t number) {
    return std::to_string(number);
}
std::string Shown(bool flag) {
    return flag ? "on" : "off";
}
std::string Shown(const platform::profile::Entries& entries) {
    std::string out;
    for (const auto& [key, value] : entries)
        out += key + "=" + value + ";";
    return out;
}

// The record's field for a key (or a whole section) of the file, named as the file spells it.
std::string ShownKey(const core::Settings& s, std::string_view name) {
    for (const core::SettingKey& key : core::SettingKeys()) {
        if (key.name == name || (key.name.empty() && key.section == name))
            return std::visit([&s](auto field) { return Shown(s.*field); }, key.field);
    }
    ADD_FAILURE() << "no key " << name;
    return {};
}

struct KeyCase {
    std::string file;  // after "[Setting]"
    std::string key;
    std::string shown;
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
    const std::vector<std::string> keys = {
        "CalendarHoliday1", "CalendarHoliday2", "Drive",        "Interval",    "CPUInterval",
        "MemoryInterval",   "DriveInterval",    "BattInterval", "Trans",       "ActiveWindow",
        "McAfee",           "HideOnFullScreen", "DriveMap",     "TitleButtons"};
    ASSERT_EQ(keys.size(), core::SettingKeys().size()) << "every key has its default here";
    core::LoadSettings();
    std::vector<std::string> shown;
    for (const std::string& key : keys)
        shown.push_back(ShownKey(core::AppSettings, key));
    EXPECT_EQ(shown, (std::vector<std::string>{"12/29,12/30,12/31", "", "C", "500", "500", "1000", "60000", "0", "255",
                                               "0", "off", "on", "", ""}));
    // Defaults are never written back.
    EXPECT_FALSE(std::filesystem::exists(dir / "Vigilon.ini"));
}

TEST_F(SettingsStore, EachKeyReadsByTheRulesOfItsKind) {
    const KeyCase cases[] = {
        {"Drive=C,D", "Drive", "C,D"},
        {"Drive=", "Drive", "C"},  // empty text is the default
        {"CalendarHoliday1=", "CalendarHoliday1", core::kDefaultHolidays1},
        {"CalendarHoliday2=1-1-2", "CalendarHoliday2", "1-1-2"},
        {"Interval=0", "Interval", "500"},  // 0 is the same as missing
        {"CPUInterval= 750 ", "CPUInterval", "750"},
        {"MemoryInterval=7a", "MemoryInterval", "1000"},      // not a number: the default
        {"DriveInterval=30000.5", "DriveInterval", "30000"},  // half to even
        {"BattInterval=0", "BattInterval", "0"},
        // Hand-edited intervals no timer can take: negative counts as missing, too long as the longest.
        {"Interval=-1", "Interval", "500"},
        {"CPUInterval=-500", "CPUInterval", "500"},
        {"MemoryInterval=100000", "MemoryInterval", "65535"},
        {"DriveInterval=2147483647", "DriveInterval", "65535"},
        {"BattInterval=-60000", "BattInterval", "0"},  // no power check, shown as such
        {"Trans=12abc", "Trans", "12"},                // the 16-bit read takes the leading number
        {"Trans=70000", "Trans", "255"},               // beyond 16 bits: as 0, the default
        {"Trans=-5", "Trans", "-5"},                   // kept: translucency ignores it and the window stays opaque
        {"ActiveWindow=1", "ActiveWindow", "1"},
        {"ActiveWindow=-40000", "ActiveWindow", "0"},
        {"HideOnFullScreen=0", "HideOnFullScreen", "off"},  // unlike the others, 0 is not the same as missing
        {"HideOnFullScreen=0.4", "HideOnFullScreen", "off"},
        {"HideOnFullScreen=zero", "HideOnFullScreen", "on"},
        // Whole sections: the first line of each name, in the file's order, values as a key read gives them.
        {"[DriveMap]\nD = /srv\nM=\"/media/x\"\nd=/other", "DriveMap", "D=/srv;M=/media/x;"},
        {"[TitleButtons]\nOpenbox=60,58\nIceWM=" + std::string(70, '1'), "TitleButtons",
         "Openbox=60,58;IceWM=" + std::string(63, '1') + ";"},
    };
    for (const KeyCase& c : cases)
        EXPECT_EQ(ShownKey(Load("[Setting]\n" + c.file + "\n"), c.key), c.shown) << c.file;
}

// The sample shipped with the Windows build names every key of [Setting] at its default: taking the
// ";" away from all of them changes nothing.
TEST_F(SettingsStore, TheShippedSampleHoldsEveryKeyAtItsDefault) {
    std::ifstream in(VIGILON_TEST_DATA "/../../packaging/windows/Vigilon.ini", std::ios::binary);
    const std::string sample{std::istreambuf_iterator<char>(in), {}};
    ASSERT_FALSE(sample.empty());
    std::string uncommented;
    for (std::size_t at = 0; at < sample.size();) {
        const std::size_t end = std::min(sample.find('\n', at), sample.size() - 1) + 1;
        const bool key = sample[at] == ';' && end - at > 1 && std::isalpha(static_cast<unsigned char>(sample[at + 1]));
        uncommented += sample.substr(key ? at + 1 : at, end - (key ? at + 1 : at));
        at = end;
    }
    core::LoadSettings();
    const core::Settings defaults = core::AppSettings;
    const core::Settings& s = Load(uncommented);
    for (const core::SettingKey& key : core::SettingKeys()) {
        if (key.section != basINIFile::kSection)
            continue;
        EXPECT_NE(uncommented.find("\n" + std::string(key.name) + "="), std::string::npos) << key.name;
        EXPECT_EQ(ShownKey(s, key.name), ShownKey(defaults, key.name)) << key.name;
    }
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
        EXPECT_EQ(std::tie(s.CalendarHoliday1, s.CalendarHoliday2), std::tie(f.list1, f.list2)) << f.file;
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
    EXPECT_EQ(
        std::tuple(basINIFile::ReadINILong("setting", "battinterval"), basINIFile::ReadINIInteger("Setting", "Trans")),
        std::tuple(1500, 200));
}

}  // namespace
