// The pure private-profile functions of the Linux backend: parsing corners and the byte-exact
// rewrite that keeps the rest of a hand-edited settings file as it was.
#include "platform/linux/ProfileText.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace {

using platform::posix::CutToBuffer;
using platform::posix::FindProfileValue;
using platform::posix::IsWritableEntry;
using platform::posix::LeadingInt;
using platform::posix::SetProfileValue;
using platform::posix::TrimDefault;

TEST(ProfileTextFind, ReadsThroughCrLfTabsAndAByteOrderMark) {
    const std::string text = "\xEF\xBB\xBF[Settings]\r\n\tTrans\t=\t200\t\r\nDrive=C\r\n";
    EXPECT_EQ(FindProfileValue(text, "Settings", "Trans"), "200");
    EXPECT_EQ(FindProfileValue(text, " settings ", " drive "), "C");
}

TEST(ProfileTextFind, SectionHeaderRules) {
    const std::string text = "A=top\n[ Spaced ]\nA=1\n[Tail] ; comment\nA=2\n[Broken\nA=3\n";
    EXPECT_EQ(FindProfileValue(text, "Spaced", "A"), "1");
    EXPECT_EQ(FindProfileValue(text, "Tail", "A"), "2");  // and "[Broken" is no header: A=3 stays in Tail
    EXPECT_EQ(FindProfileValue(text, "Broken", "A"), std::nullopt);
}

TEST(ProfileTextFind, OnlyTheFirstSectionOfANameCounts) {
    const std::string text = "[S]\nA=1\n[S]\nA=2\nB=3\n";
    EXPECT_EQ(FindProfileValue(text, "S", "A"), "1");
    EXPECT_EQ(FindProfileValue(text, "S", "B"), std::nullopt);
}

TEST(ProfileTextFind, WhatIsNotAKey) {
    const std::string text = "[S]\n;A=comment\nB\nC=x=y\n=nameless\n";
    EXPECT_EQ(FindProfileValue(text, "S", ";A"), std::nullopt);
    EXPECT_EQ(FindProfileValue(text, "S", "A"), std::nullopt);
    EXPECT_EQ(FindProfileValue(text, "S", "B"), std::nullopt);
    EXPECT_EQ(FindProfileValue(text, "S", "C"), "x=y");
}

TEST(ProfileTextFind, QuotesGoOnlyWhenTheyEncloseTheWholeValue) {
    const std::string text = "[Q]\nA=\"\"\nB=\"\nC=\"abc'\nD=a\"b\"\nE=\"a\" \"b\"\nF=  'x y'  \n";
    EXPECT_EQ(FindProfileValue(text, "Q", "A"), "");
    EXPECT_EQ(FindProfileValue(text, "Q", "B"), "\"");
    EXPECT_EQ(FindProfileValue(text, "Q", "C"), "\"abc'");
    EXPECT_EQ(FindProfileValue(text, "Q", "D"), "a\"b\"");
    EXPECT_EQ(FindProfileValue(text, "Q", "E"), "a\" \"b");
    EXPECT_EQ(FindProfileValue(text, "Q", "F"), "x y");
}

TEST(ProfileTextSet, ReplacingKeepsEveryOtherByteAndTheLineEnding) {
    const std::string text = "; comment\r\n[Settings]\r\n  trans = 200 \r\nDrive=C\r\n\r\n[Other]\r\nTrans=9";
    EXPECT_EQ(SetProfileValue(text, "SETTINGS", "Trans", "150"),
              "; comment\r\n[Settings]\r\ntrans=150\r\nDrive=C\r\n\r\n[Other]\r\nTrans=9");
}

TEST(ProfileTextSet, OnlyTheFirstOfDuplicateKeysIsReplaced) {
    EXPECT_EQ(SetProfileValue("[S]\nA=1\nA=2\n", "S", "A", "3"), "[S]\nA=3\nA=2\n");
}

TEST(ProfileTextSet, NewKeyGoesAfterTheSectionsLastKeyLine) {
    const std::string text = "[S]\nA=1\n; note\nB=2\n\n; about T\n[T]\nC=3\n";
    EXPECT_EQ(SetProfileValue(text, "S", "New", "x"), "[S]\nA=1\n; note\nB=2\nNew=x\n\n; about T\n[T]\nC=3\n");
}

TEST(ProfileTextSet, NewKeyInASectionWithoutKeysOrFinalNewline) {
    EXPECT_EQ(SetProfileValue("[S]", "S", "A", "1"), "[S]\nA=1\n");
    EXPECT_EQ(SetProfileValue("[S]\r\n[T]\r\n", "S", "A", "1"), "[S]\r\nA=1\r\n[T]\r\n");
    EXPECT_EQ(SetProfileValue("[S]\nA=1", "S", "B", "2"), "[S]\nA=1\nB=2\n");
}

TEST(ProfileTextSet, MissingSectionIsAppendedInTheFilesLineStyle) {
    EXPECT_EQ(SetProfileValue("", "S", "A", "1"), "[S]\nA=1\n");
    EXPECT_EQ(SetProfileValue("[T]\r\nB=2", "S", "A", "1"), "[T]\r\nB=2\r\n[S]\r\nA=1\r\n");
    // A second section of the same name is never created: the first one gets the key.
    EXPECT_EQ(SetProfileValue("[S]\nA=1\n[S]\n", "s", "B", "2"), "[S]\nA=1\nB=2\n[S]\n");
}

TEST(ProfileTextSet, RoundTripsThroughFind) {
    std::string text;
    text = SetProfileValue(text, "Settings", "Drive", "C,D");
    text = SetProfileValue(text, "Holiday", "Rule1", "1/1 元日");
    text = SetProfileValue(text, "Settings", "Trans", "200");
    text = SetProfileValue(text, "Settings", "Drive", "E");
    EXPECT_EQ(text, "[Settings]\nDrive=E\nTrans=200\n[Holiday]\nRule1=1/1 元日\n");
    EXPECT_EQ(FindProfileValue(text, "holiday", "rule1"), "1/1 元日");
}

TEST(ProfileTextSet, EntriesThatWouldBreakTheFileAreRefused) {
    EXPECT_TRUE(IsWritableEntry("Settings", "Trans", ""));
    EXPECT_FALSE(IsWritableEntry("Settings", "Trans", "a\nb"));
    EXPECT_FALSE(IsWritableEntry("Settings", "Trans", "a\rb"));
    EXPECT_FALSE(IsWritableEntry("Settings", "A=B", "1"));
    EXPECT_FALSE(IsWritableEntry("Settings", "  ", "1"));
    EXPECT_FALSE(IsWritableEntry("Settings", ";A", "1"));
    EXPECT_FALSE(IsWritableEntry("Set]tings", "A", "1"));
    EXPECT_FALSE(IsWritableEntry("", "A", "1"));
}

TEST(ProfileTextCut, KeepsWholeUtf8Sequences) {
    const std::string kana = "あいう";  // three bytes each
    EXPECT_EQ(CutToBuffer(kana, 5), "あ");
    EXPECT_EQ(CutToBuffer(kana, 6), "あ");
    EXPECT_EQ(CutToBuffer(kana, 7), "あい");
    EXPECT_EQ(CutToBuffer(kana, 10), kana);
    EXPECT_EQ(CutToBuffer("a\xF0\x9F\x98\x80", 5), "a");  // a four-byte sequence cut after 3
    EXPECT_EQ(CutToBuffer("abc", 1), "");
    EXPECT_EQ(CutToBuffer("abc", 0), "");
    EXPECT_EQ(CutToBuffer("abc", 3), "ab");
}

TEST(ProfileTextDefault, TrailingSpacesOfTheDefaultGo) {
    EXPECT_EQ(TrimDefault("C  "), "C");
    EXPECT_EQ(TrimDefault("  C"), "  C");
    EXPECT_EQ(TrimDefault("   "), "");
}

TEST(ProfileTextInt, SignsBlanksAndWrapAround) {
    EXPECT_EQ(LeadingInt("+7"), 7);
    EXPECT_EQ(LeadingInt(" \t-12x"), -12);
    EXPECT_EQ(LeadingInt("-"), 0);
    EXPECT_EQ(LeadingInt("0x10"), 0);
    EXPECT_EQ(LeadingInt("1 2"), 1);
    EXPECT_EQ(LeadingInt("2147483647"), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(LeadingInt("2147483648"), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(LeadingInt("4294967297"), 1);
    EXPECT_EQ(LeadingInt("-4294967295"), 1);
}

}  // namespace
