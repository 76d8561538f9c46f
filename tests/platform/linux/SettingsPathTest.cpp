// The settings folder rule: beside the executable when possible, else the XDG configuration folder.
#include "platform/linux/SettingsPath.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

namespace {

using platform::posix::ChooseSettingsPath;
using platform::posix::SettingsPlace;

TEST(SettingsPath, BesideTheExecutableWhenWritableOrAlreadyThereOtherwiseTheXdgConfigFolder) {
    const auto place = [](bool writable, bool fileThere, const char* exeFolder, const char* xdg) {
        return SettingsPlace{exeFolder, writable, fileThere, xdg, "/home/u"};
    };
    const std::pair<SettingsPlace, const char*> cases[] = {
        {place(true, false, "/opt/vigilon", "/home/u/.xdg"), "/opt/vigilon/Vigilon.ini"},
        {place(false, true, "/opt/vigilon", "/home/u/.xdg"), "/opt/vigilon/Vigilon.ini"},
        {place(false, false, "/opt/vigilon", "/home/u/.xdg"), "/home/u/.xdg/vigilon/Vigilon.ini"},
        {place(false, false, "/opt/vigilon", ""), "/home/u/.config/vigilon/Vigilon.ini"},
        // Not absolute: ignored, as the XDG rules say.
        {place(false, false, "/opt/vigilon", "relative/dir"), "/home/u/.config/vigilon/Vigilon.ini"},
        {place(true, true, "", "/home/u/.xdg"), "/home/u/.xdg/vigilon/Vigilon.ini"},  // the executable's folder unknown
    };
    for (const auto& [where, path] : cases)
        EXPECT_EQ(ChooseSettingsPath("Vigilon.ini", where), path) << where.exeFolder << " " << where.xdgConfigHome;
}

TEST(SettingsPath, ThisProcessUsesItsOwnFolderWhenWritable) {
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe");
    if (::access(exe.parent_path().c_str(), W_OK) != 0)
        GTEST_SKIP() << "test binary folder is read-only";
    EXPECT_EQ(platform::posix::SettingsPathForProcess("Vigilon.ini"), (exe.parent_path() / "Vigilon.ini").string());
}

}  // namespace
