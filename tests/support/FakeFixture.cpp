// The shared fixture's set-up and clean-up.
#include "support/FakeFixture.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <sstream>

#include "bar/frmMain.h"
#include "core/AppSettings.h"
#include "core/basMain.h"
#include "forms/FormInstance.h"

namespace testsupport {

TempDir::TempDir() {
    static std::atomic<int> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    path_ = std::filesystem::temp_directory_path() /
            ("vigilon-test-" + std::to_string(stamp) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(path_);
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

void TempDir::Write(const std::string& name, const std::string& text) const {
    std::ofstream out(path_ / name, std::ios::binary);
    out << text;
}

std::string TempDir::Read(const std::string& name) const {
    std::ifstream in(path_ / name, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

FakeFixture::FakeFixture() {
    fake.settingsDir = dir.Path().string();
    platform::Install(&fake);
    core::AppSettings = {};
    frmMain::bCalendar = false;
    basMain::DriveCheckEnabled = false;
}

FakeFixture::~FakeFixture() {
    forms::registry::UnloadAll();
    forms::registry::FreeUnloaded();
    fake.RunPosted();
    platform::Install(nullptr);
}

}  // namespace testsupport
