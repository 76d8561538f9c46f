// Platform family from the version record, and when windows become translucent.
#include <gtest/gtest.h>

#include <optional>

#include "core/AppSettings.h"
#include "core/PlatformFamily.h"
#include "support/FakeFixture.h"

namespace {

class PlatformFamily : public testsupport::FakeFixture {
protected:
    // A new window with translucency applied as the settings and the family say; its alpha, if any.
    std::optional<std::uint8_t> AlphaOfANewWindow() {
        static struct : platform::WindowListener {
            void OnPaint(platform::Canvas&) override {}
        } listener;
        const platform::WindowHandle w = fake.CreateFormWindow({}, listener);
        core::ApplyTransparency(w);
        return fake.Window(w).alpha;
    }
};

// Vista and later keep no family of their own, but have layered windows as 2000 and XP do.
TEST_F(PlatformFamily, DecidesFamilyAndTranslucency) {
    const struct {
        platform::OsVersion version;
        const char* family;
        bool translucent;
    } cases[] = {{{1, 4, 0}, "95", false},  {{1, 4, 10}, "98", false}, {{1, 4, 90}, "ME", false},
                 {{2, 3, 51}, "NT", false}, {{2, 4, 0}, "NT", false},  {{2, 5, 0}, "2K", true},
                 {{2, 5, 1}, "XP", true},   {{2, 5, 2}, "XP", true},   {{1, 5, 0}, "95", false},
                 {{2, 6, 0}, "", true},     {{2, 6, 3}, "", true},     {{2, 10, 0}, "", true},
                 {{0, 0, 0}, "XP", true},   {{0, 9, 9}, "XP", true},   {{3, 1, 0}, "XP", true}};
    core::AppSettings.Trans = 100;
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.version.platformId << "/" << c.version.major << "." << c.version.minor);
        fake.version = c.version;
        core::DeterminePlatformFamily();
        EXPECT_EQ(core::PlatformFamily, c.family);
        if (c.translucent) {
            EXPECT_EQ(AlphaOfANewWindow(), 100);
        } else {
            EXPECT_FALSE(AlphaOfANewWindow().has_value());
        }
    }
}

TEST_F(PlatformFamily, OnlyAlphaValuesOneTo255AreApplied) {
    fake.version = {2, 5, 1};
    core::DeterminePlatformFamily();
    for (const int trans : {255, 1}) {
        core::AppSettings.Trans = static_cast<std::int16_t>(trans);
        EXPECT_EQ(AlphaOfANewWindow(), trans);
    }
    for (const int trans : {300, 0, -5}) {
        core::AppSettings.Trans = static_cast<std::int16_t>(trans);
        EXPECT_FALSE(AlphaOfANewWindow().has_value()) << trans;
    }
}

}  // namespace
