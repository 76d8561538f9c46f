// The pure private-profile functions of the Linux backend: parsing corners and the byte-exact
// rewrite that keeps the rest of a hand-edited settings file as it was.
#include "platform/ProfileText.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <tuple>

namespace {

using namespace platform::profile;

TEST(ProfileText, FindThroughLineEndingsHeadersAndNonKeys) {
    const std::string text = "\xEF\xBB\xBF[Settings]\r\n\tTrans\t=\t200\t\r\nDrive=C\r\n";
    EXPECT_EQ(FindProfileValue(text, "Settings", "Trans"), "200");
    EXPECT_EQ(FindProfileValue(text, " settings ", " drive "), "C");

    const std::string headers = "A=top\n[ Spaced ]\nA=1\n[Tail] ; comment\nA=2\n[Broken\nA=3\n[Spaced]\nB=4\n";
    EXPECT_EQ(FindProfileValue(headers, "Spaced", "A"), "1");
    EXPECT_EQ(FindProfileValue(headers, "Tail", "A"), "2");  // and "[Broken" is no header: A=3 stays in Tail
    EXPECT_EQ(FindProfileValue(headers, "Broken", "A"), std::nullopt);
    EXPECT_EQ(FindProfileValue(headers, "Spaced", "B"), std::nullopt) << "only the first section of a name counts";

    const std::string keys = "[S]\n;A=comment\nB\nC=x=y\n=nameless\n";
    for (const char* notAKey : {";A", "A", "B"})
        EXPECT_EQ(FindProfileValue(keys, "S", notAKey), std::nullopt) << notAKey;
    EXPECT_EQ(FindProfileValue(keys, "S", "C"), "x=y");
}

TEST(ProfileText, QuotesGoOnlyWhenTheyEncloseTheWholeValue) {
    const std::string text = "[Q]\nA=\"\"\nB=\"\nC=\"abc'\nD=a\"b\"\nE=\"a\" \"b\"\nF=  'x y'  \n";
    const std::pair<const char*, const char*> cases[] = {{"A", ""},       {"B", "\""},      {"C", "\"abc'"},
                                                         {"D", "a\"b\""}, {"E", "a\" \"b"}, {"F", "x y"}};
    for (const auto& [key, value] : cases)
        EXPECT_EQ(FindProfileValue(text, "Q", key), value) << key;
}

TEST(ProfileText, SetKeepsEveryOtherByteAndTheFilesLineStyle) {
    const std::string text = "; comment\r\n[Settings]\r\n  trans = 200 \r\nDrive=C\r\n\r\n[Other]\r\nTrans=9";
    EXPECT_EQ(SetProfileValue(text, "SETTINGS", "Trans", "150"),
              "; comment\r\n[Settings]\r\ntrans=150\r\nDrive=C\r\n\r\n[Other]\r\nTrans=9");
    EXPECT_EQ(SetProfileValue("[S]\nA=1\nA=2\n", "S", "A", "3"), "[S]\nA=3\nA=2\n");
    // A new key goes after its section's last key line, not after comments or blank lines.
    EXPECT_EQ(SetProfileValue("[S]\nA=1\n; note\nB=2\n\n; about T\n[T]\nC=3\n", "S", "New", "x"),
              "[S]\nA=1\n; note\nB=2\nNew=x\n\n; about T\n[T]\nC=3\n");
    EXPECT_EQ(SetProfileValue("[S]", "S", "A", "1"), "[S]\nA=1\n");
    EXPECT_EQ(SetProfileValue("[S]\r\n[T]\r\n", "S", "A", "1"), "[S]\r\nA=1\r\n[T]\r\n");
    EXPECT_EQ(SetProfileValue("[S]\nA=1", "S", "B", "2"), "[S]\nA=1\nB=2\n");
    // A missing section is appended; a second section of the same name is never created.
    EXPECT_EQ(SetProfileValue("", "Holiday", "Rule1", "1/1 元日"), "[Holiday]\nRule1=1/1 元日\n");
    EXPECT_EQ(SetProfileValue("[T]\r\nB=2", "S", "A", "1"), "[T]\r\nB=2\r\n[S]\r\nA=1\r\n");
    EXPECT_EQ(SetProfileValue("[S]\nA=1\n[S]\n", "s", "B", "2"), "[S]\nA=1\nB=2\n[S]\n");
}

TEST(ProfileText, EntriesThatWouldBreakTheFileAreRefused) {
    EXPECT_TRUE(IsWritableEntry("Settings", "Trans", ""));
    const std::tuple<const char*, const char*, const char*> refused[] = {{"Settings", "Trans", "a\nb"},
                                                                         {"Settings", "Trans", "a\rb"},
                                                                         {"Settings", "A=B", "1"},
                                                                         {"Settings", "  ", "1"},
                                                                         {"Settings", ";A", "1"},
                                                                         {"Set]tings", "A", "1"},
                                                                         {"", "A", "1"}};
    for (const auto& [section, key, value] : refused)
        EXPECT_FALSE(IsWritableEntry(section, key, value)) << section << '/' << key << '/' << value;
}

TEST(ProfileText, BufferCutDefaultAndLeadingNumber) {
    const std::string kana = "あいう";  // three bytes each
    EXPECT_EQ(CutToBuffer(kana, 5), "あ");
    EXPECT_EQ(CutToBuffer(kana, 7), "あい");
    EXPECT_EQ(CutToBuffer(kana, 10), kana);
    EXPECT_EQ(CutToBuffer("a\xF0\x9F\x98\x80", 5), "a");  // a four-byte sequence cut after 3
    EXPECT_EQ(CutToBuffer("abc", 0), "");

    EXPECT_EQ(TrimDefault("C  "), "C");
    EXPECT_EQ(TrimDefault("  C"), "  C");
    EXPECT_EQ(TrimDefault("   "), "");

    // Digits accumulate modulo 2^32, as in the Windows conversion.
    const std::int32_t max = INT32_MAX, min = INT32_MIN;
    const std::pair<const char*, std::int32_t> numbers[] = {
        {"+7", 7},          {" \t-12x", -12},    {"-", 0},           {"0x10", 0}, {"1 2", 1}, {"4294967297", 1},
        {"-4294967295", 1}, {"2147483647", max}, {"2147483648", min}};
    for (const auto& [text, number] : numbers)
        EXPECT_EQ(LeadingInt(text), number) << text;
}

// A file with a UTF-16 mark reads as Windows reads it and is written back in its own encoding.
TEST(ProfileText, Utf16FilesWithAMarkDecodeAndEncodeBothWays) {
    using namespace std::string_literals;  // K=あ😀: one BMP character and one surrogate pair
    const std::string le = "\xFF\xFE"s + "[\0S\0]\0\n\0K\0=\0"s + "B0"s + "\x3D\xD8\x00\xDE"s + "\n\0"s;
    const std::string be = "\xFE\xFF"s + "\0[\0S\0]\0\n\0K\0="s + "0B"s + "\xD8\x3D\xDE\x00"s + "\0\n"s;
    for (const auto& [bytes, encoding] : {std::pair{le, ProfileEncoding::Utf16LE}, {be, ProfileEncoding::Utf16BE}}) {
        const ProfileText decoded = DecodeProfileText(bytes);
        EXPECT_EQ(decoded.encoding, encoding);
        EXPECT_EQ(decoded.text, "[S]\nK=あ😀\n");
        EXPECT_EQ(EncodeProfileText(decoded.text, encoding), bytes);
    }
    // Unpaired halves and an odd last byte; text without a mark is taken byte for byte.
    EXPECT_EQ(DecodeProfileText("\xFF\xFE\x00\xD8"s + "K\0="s).text, "\xEF\xBF\xBDK");
    EXPECT_EQ(DecodeProfileText("\xEF\xBB\xBF[S]\n").encoding, ProfileEncoding::Bytes);
    EXPECT_EQ(EncodeProfileText("a\xFF", ProfileEncoding::Utf16LE), "\xFF\xFE"s + "a\0"s + "\xFD\xFF"s);
}

}  // namespace
