// The shared fixture's set-up and clean-up.
#include "support/FakeFixture.h"
#include "core/SharedState.h"

#include <fstream>

#include "app/AppWiring.h"
#include "bar/frmMain.h"
#include "core/AppSettings.h"
#include "core/basMain.h"
#include "forms/FormInstance.h"

namespace testsupport {

FakeFixture::FakeFixture() {
    fake.settingsDir = dir.string();
    platform::Install(&fake);
    core::AppSettings = {};
    SharedState::bCalendar = false;
    basMain::DriveCheckEnabled = false;
    app::InstallWiring();
}

FakeFixture::~FakeFixture() {
    forms::registry::UnloadAll();
    forms::registry::FreeUnloaded();
    fake.RunPosted();
    platform::Install(nullptr);
}

std::vector<FakeFixture::Box> FakeFixture::Boxes() const {
    std::vector<Box> boxes;
    for (const auto& box : fake.messageBoxes)
        boxes.emplace_back(box.text, box.caption, box.icon);
    return boxes;
}

void FakeFixture::WriteSettings(const std::string& text) const {
    std::ofstream(dir / "Vigilon.ini", std::ios::binary) << text;
}

}  // namespace testsupport
