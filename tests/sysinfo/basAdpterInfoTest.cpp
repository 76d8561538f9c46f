// The adapter list after each answer of the adapter query, and the field texts.
#include <gtest/gtest.h>

#include "support/FakeFixture.h"
#include "sysinfo/AdapterRecords.h"
#include "sysinfo/basAdpterInfo.h"

namespace {

using basAdpterInfo::AdapterList;
using testsupport::Adapter;

TEST(AdapterTexts, MacAddressesAndFixedFields) {
    const std::array<std::uint8_t, 8> mac{0x00, 0x0C, 0x29, 0xAB, 0x01, 0xFF, 0x7E, 0x80};
    EXPECT_EQ(basAdpterInfo::FormatMacAddress(mac, 6), "00-0C-29-AB-01-FF");
    EXPECT_EQ(basAdpterInfo::FormatMacAddress(mac, 0), "");
    EXPECT_EQ(basAdpterInfo::FormatMacAddress(mac, 1), "00");
    EXPECT_EQ(basAdpterInfo::FormatMacAddress(mac, 20), "00-0C-29-AB-01-FF-7E-80");  // the field's 8
}

class AdapterQuery : public testsupport::FakeFixture {};

TEST_F(AdapterQuery, EachAnswerOfTheSizeQuery) {
    struct Case {
        std::uint32_t code;
        const char* message;  // nullptr: none
    } const cases[] = {
        {50, "このバージョンのOSでこの機能はサポートされていません"},
        {87, "出力バッファへのアクセスが許可されていないか、パラメータが不正です"},
        {232, "このコンピュータにはアダプタ情報が存在しません"},
        {0, nullptr},
        {31, nullptr},
        {platform::kAdapterBufferOverflow, nullptr},  // but the list itself could not be read
    };
    for (const Case& c : cases) {
        fake.messageBoxes.clear();
        fake.adapterQuery = {c.code, false, {}};
        basAdpterInfo::LoadAdapterInfo();
        ASSERT_EQ(AdapterList.size(), 1u) << c.code;
        EXPECT_EQ(basAdpterInfo::FixedBytesToText(AdapterList[0].description), "") << c.code;
        EXPECT_EQ(AdapterList[0].addressLength, 0u) << c.code;
        EXPECT_EQ(Boxes(), (c.message ? std::vector<Box>{{c.message, "Vigilon", platform::MessageIcon::Critical}}
                                      : std::vector<Box>{}))
            << c.code;
    }
    std::array<char, 16> noNul;
    noNul.fill('9');
    EXPECT_EQ(basAdpterInfo::FixedBytesToText(noNul), std::string(16, '9'));  // read whole
}

}  // namespace
