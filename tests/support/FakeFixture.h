// A test fixture that installs the fake platform, gives each test its own settings folder and
// leaves no form behind.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/fake/FakePlatform.h"

namespace testsupport {

// A fresh folder under the system's temporary folder, removed with the object.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& Path() const { return path_; }
    std::string File(const std::string& name) const { return (path_ / name).string(); }
    void Write(const std::string& name, const std::string& text) const;
    std::string Read(const std::string& name) const;

private:
    std::filesystem::path path_;
};

class FakeFixture : public ::testing::Test {
protected:
    FakeFixture();
    ~FakeFixture() override;

    // Writes the settings file of the program.
    void WriteSettings(const std::string& text) const { dir.Write("Vigilon.ini", text); }

    TempDir dir;
    platform::fake::FakePlatform fake;
};

}  // namespace testsupport
