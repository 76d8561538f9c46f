// A test fixture that installs the fake platform, gives each test its own settings folder and
// leaves no form behind.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "platform/fake/FakePlatform.h"
#include "support/TempDir.h"

namespace testsupport {

class FakeFixture : public ::testing::Test {
protected:
    FakeFixture();
    ~FakeFixture() override;

    // Writes the settings file of the program.
    void WriteSettings(const std::string& text) const;
    // The message boxes shown so far, each as its text, caption and icon.
    using Box = std::tuple<std::string, std::string, platform::MessageIcon>;
    std::vector<Box> Boxes() const;

    TempDir temp;
    const std::filesystem::path& dir = temp.path;  // the settings folder
    platform::fake::FakePlatform fake;
};

}  // namespace testsupport
