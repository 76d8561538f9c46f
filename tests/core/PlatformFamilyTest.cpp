// Platform family from the version record, and when windows become translucent.
#include <gtest/gtest.h>

#include "core/AppSettings.h"
#include "core/PlatformFamily.h"
#include "support/FakeFixture.h"

namespace {

struct FamilyCase {
    platform::OsVersion version;
    const char* family;
    bool translucent;
};

class PlatformFamily : public testsupport::FakeFixture, public ::testing::WithParamInterface<FamilyCase> {
protected:
    platform::WindowHandle MakeWindow() {
        static struct : platform::WindowListener {
            void OnPaint(platform::Canvas&) override {}
        } listener;
        return fake.CreateFormWindow({}, listener);
    }
};

TEST_P(PlatformFamily, DecidesFamilyAndTranslucency) {
    const FamilyCase& c = GetParam();
    fake.version = c.version;
    core::AppSettings.Trans = 100;
    core::DeterminePlatformFamily();
    EXPECT_EQ(core::PlatformFamily, c.family);

    const platform::WindowHandle w = MakeWindow();
    core::ApplyTransparency(w);
    if (c.translucent) {
        EXPECT_EQ(fake.Window(w).alpha, 100);
    } else {
        EXPECT_FALSE(fake.Window(w).alpha.has_value());
    }
}

INSTANTIATE_TEST_SUITE_P(VersionTable,
                         PlatformFamily,
                         ::testing::Values(FamilyCase{{1, 4, 0}, "95", false},
                                           FamilyCase{{1, 4, 10}, "98", false},
                                           FamilyCase{{1, 4, 90}, "ME", false},
                                           FamilyCase{{2, 3, 51}, "NT", false},
                                           FamilyCase{{2, 4, 0}, "NT", false},
                                           FamilyCase{{2, 5, 0}, "2K", true},
                                           FamilyCase{{2, 5, 1}, "XP", true},
                                           FamilyCase{{2, 5, 2}, "XP", true},
                                           FamilyCase{{2, 6, 0}, "", false},
                                           FamilyCase{{0, 0, 0}, "XP", true},
                                           FamilyCase{{0, 9, 9}, "XP", true},
                                           FamilyCase{{3, 1, 0}, "XP", true}));

class Transparency : public PlatformFamily {};

TEST_F(Transparency, OnlyAlphaValuesOneTo255AreApplied) {
    fake.version = {2, 5, 1};
    core::DeterminePlatformFamily();
    for (const int trans : {255, 1}) {
        core::AppSettings.Trans = static_cast<std::int16_t>(trans);
        const platform::WindowHandle w = MakeWindow();
        core::ApplyTransparency(w);
        EXPECT_EQ(fake.Window(w).alpha, trans);
    }
    for (const int trans : {300, 0, -5}) {
        core::AppSettings.Trans = static_cast<std::int16_t>(trans);
        const platform::WindowHandle w = MakeWindow();
        core::ApplyTransparency(w);
        EXPECT_FALSE(fake.Window(w).alpha.has_value()) << trans;
    }
}

}  // namespace
