// The settings folder rule: beside the executable when possible, else the XDG configuration folder.
#include "platform/linux/SettingsPath.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

namespace {

using platform::posix::ChooseSettingsPath;
using platform::posix::SettingsPlace;

SettingsPlace Place(bool writable, bool fileThere) {
    SettingsPlace p;
    p.exeFolder = "/opt/vigilon";
    p.exeFolderWritable = writable;
    p.fileInExeFolder = fileThere;
    p.xdgConfigHome = "/home/u/.xdg";
    p.home = "/home/u";
    return p;
}

TEST(SettingsPath, BesideTheExecutableWhenWritableOrAlreadyThere) {
    EXPECT_EQ(ChooseSettingsPath("Vigilon.ini", Place(true, false)), "/opt/vigilon/Vigilon.ini");
    EXPECT_EQ(ChooseSettingsPath("Vigilon.ini", Place(false, true)), "/opt/vigilon/Vigilon.ini");
}

TEST(SettingsPath, OtherwiseTheXdgConfigFolder) {
    EXPECT_EQ(ChooseSettingsPath("Vigilon.ini", Place(false, false)), "/home/u/.xdg/vigilon/Vigilon.ini");

    SettingsPlace noXdg = Place(false, false);
    noXdg.xdgConfigHome = "";
    EXPECT_EQ(ChooseSettingsPath("Vigilon.ini", noXdg), "/home/u/.config/vigilon/Vigilon.ini");
    noXdg.xdgConfigHome = "relative/dir";  // not absolute: ignored, as the XDG rules say
    EXPECT_EQ(ChooseSettingsPath("Vigilon.ini", noXdg), "/home/u/.config/vigilon/Vigilon.ini");

    SettingsPlace unknownExe = Place(true, true);
    unknownExe.exeFolder = "";
    EXPECT_EQ(ChooseSettingsPath("Vigilon.ini", unknownExe), "/home/u/.xdg/vigilon/Vigilon.ini");
}

TEST(SettingsPath, ThisProcessUsesItsOwnFolderWhenWritable) {
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe");
    if (::access(exe.parent_path().c_str(), W_OK) != 0)
        GTEST_SKIP() << "test binary folder is read-only";
    EXPECT_EQ(platform::posix::SettingsPathForProcess("Vigilon.ini"), (exe.parent_path() / "Vigilon.ini").string());
}

}  // namespace
