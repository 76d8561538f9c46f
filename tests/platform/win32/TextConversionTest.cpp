// UTF-8, UTF-16 and Shift-JIS conversions through the real Windows (Wine) code-page functions.
#include "platform/win32/TextConversion.h"

#include <gtest/gtest.h>

namespace {

using namespace platform::win32;

constexpr UINT kShiftJis = 932;

TEST(TextConversion, Utf8AndUtf16) {
    EXPECT_EQ(WideFromUtf8(""), L"");
    EXPECT_EQ(Utf8FromWide(L""), "");
    // Full-width and half-width katakana, and a character outside the BMP (a surrogate pair).
    const std::string mixed = "ＣＰＵ使用率：ｼｽﾃﾑ 𠮷";
    const std::wstring wide = WideFromUtf8(mixed);
    EXPECT_EQ(wide, L"\uFF23\uFF30\uFF35\u4F7F\u7528\u7387\uFF1A\uFF7C\uFF7D\uFF83\uFF91 \xD842\xDFB7");
    EXPECT_EQ(Utf8FromWide(wide), mixed);
    // A stray continuation byte and a lone surrogate become replacement characters, not nothing.
    EXPECT_EQ(WideFromUtf8("a\x80z"), L"a\uFFFDz");
    EXPECT_EQ(Utf8FromWide(std::wstring(L"a\xD800z")), "a\xEF\xBF\xBDz");
}

TEST(TextConversion, ShiftJisBytes) {
    // Double-byte kanji and full-width forms, single-byte half-width katakana.
    EXPECT_EQ(MultiByteFromUtf8("ＭＳ Ｐゴシック", kShiftJis),
              "\x82\x6c\x82\x72\x20\x82\x6f\x83\x53\x83\x56\x83\x62\x83\x4e");
    EXPECT_EQ(MultiByteFromUtf8("ｼｽﾃﾑ", kShiftJis), "\xbc\xbd\xc3\xd1");
    EXPECT_EQ(Utf8FromMultiByte("\x8a\xf9\x82\xc9", kShiftJis), "既に");
    // A trail byte 0x5C ('\' in ASCII) inside a character must not split it.
    EXPECT_EQ(Utf8FromMultiByte("\x95\x5c", kShiftJis), "表");
    const std::string holidays = "1/1,2/11,休日";
    EXPECT_EQ(Utf8FromMultiByte(MultiByteFromUtf8(holidays, kShiftJis), kShiftJis), holidays);
    EXPECT_EQ(MultiByteFromUtf8("a€b", kShiftJis), "a?b");  // characters the code page lacks
}

}  // namespace
