// The number spelling the interval boxes accept, beyond what the dialog's table shows.
#include "settings/InputRules.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>

namespace {

using settings::ReadNumber;

TEST(InputRules, NumbersAreDecimalWithSignFractionAndExponentOnly) {
    const struct {
        const char* text;
        std::optional<double> value;
    } cases[] = {
        // clang-format off
        {"500", 500}, {" 500\t", 500}, {"+0", 0}, {"-1", -1}, {".5", 0.5}, {"5.", 5}, {"1e3", 1000}, {"1E+3", 1000},
        {"1e-999", 0}, {"1e999", std::numeric_limits<double>::infinity()}, {"", {}}, {"   ", {}}, {"+", {}}, {".", {}},
        {"1e", {}}, {"e3", {}}, {"0x10", {}}, {"inf", {}}, {"nan", {}}, {"1 000", {}}, {"１２", {}}, {"5ms", {}},
        {"--5", {}}, {"1.2.3", {}}, {"1e3.5", {}},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(ReadNumber(c.text), c.value) << '"' << c.text << '"';
}

TEST(InputRules, RangeMessagesNameTheBoxAndItsEnds) {
    const settings::IntervalRule batt{"電源状態をチェックする間隔は", 0, 60000};
    EXPECT_EQ(settings::RefuseInterval("0", batt), std::nullopt);
    EXPECT_EQ(settings::RefuseInterval("60000.4", batt), "電源状態をチェックする間隔は0～60000の間で入力してください");
    EXPECT_EQ(settings::RefuseInterval("x", batt), "電源状態をチェックする間隔は数字で入力してください");
}

}  // namespace
