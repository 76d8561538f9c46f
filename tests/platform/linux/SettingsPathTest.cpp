// The settings folder rule: beside the executable when possible, else the XDG configuration folder.
#include "platform/linux/profile/SettingsPath.h"

#include <gtest/gtest.h>

namespace {

using platform::posix::ChooseSettingsPath;
using platform::posix::SettingsPlace;

TEST(SettingsPath, BesideTheExecutableWhenWritableOrAlreadyThereOtherwiseAPrivateConfigFolder) {
    const auto place = [](bool writable, bool fileThere, const char* exeFolder, const char* xdg,
                          const char* home = "/home/u", bool shared = false) {
        return SettingsPlace{exeFolder, writable, shared, fileThere, xdg, home};
    };
    const std::pair<SettingsPlace, const char*> cases[] = {
        {place(true, false, "/opt/vigilon", "/home/u/.xdg"), "/opt/vigilon/Vigilon.ini"},
        {place(false, true, "/opt/vigilon", "/home/u/.xdg"), "/opt/vigilon/Vigilon.ini"},
        {place(false, false, "/opt/vigilon", "/home/u/.xdg"), "/home/u/.xdg/vigilon/Vigilon.ini"},
        {place(false, false, "/opt/vigilon", ""), "/home/u/.config/vigilon/Vigilon.ini"},
        {place(false, false, "/opt/vigilon", "/home/u/.xdg/"), "/home/u/.xdg/vigilon/Vigilon.ini"},
        {place(true, false, "/", ""), "/Vigilon.ini"},
        // Not absolute: ignored, as the XDG rules say.
        {place(false, false, "/opt/vigilon", "relative/dir"), "/home/u/.config/vigilon/Vigilon.ini"},
        {place(true, true, "", "/home/u/.xdg"), "/home/u/.xdg/vigilon/Vigilon.ini"},  // the executable's folder unknown
        // A folder anyone may write to is no place for settings, even with a file there already.
        {place(true, true, "/tmp", "", "/home/u", true), "/home/u/.config/vigilon/Vigilon.ini"},
        // No home at all (or a relative one): no settings file rather than one in a shared folder.
        {place(false, false, "/opt/vigilon", "", ""), ""},
        {place(false, false, "/opt/vigilon", "", "home/u"), ""},
        {place(true, true, "/tmp", "", "", true), ""},
        // Installed into ~/.local: bin is writable but belongs to every program installed there.
        {SettingsPlace{"/home/u/.local/bin", true, false, true, "/home/u/.xdg", "/home/u", true},
         "/home/u/.xdg/vigilon/Vigilon.ini"},
    };
    for (const auto& [where, path] : cases)
        EXPECT_EQ(ChooseSettingsPath("Vigilon.ini", where), path)
            << where.exeFolder << " " << where.xdgConfigHome << " " << where.home;
}

}  // namespace
