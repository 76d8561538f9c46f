// The settings folder rule and the facts about this process that it needs.
#include "platform/linux/SettingsPath.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace platform::posix {

namespace fs = std::filesystem;

std::string ChooseSettingsPath(std::string_view fileName, const SettingsPlace& place) {
    if (!place.exeFolder.empty() && !place.exeFolderShared && !place.installed &&
        (place.exeFolderWritable || place.fileInExeFolder)) {
        return (fs::path(place.exeFolder) / fileName).string();
    }
    fs::path config;
    if (!place.xdgConfigHome.empty() && place.xdgConfigHome.front() == '/') {
        config = place.xdgConfigHome;
    } else if (!place.home.empty() && place.home.front() == '/') {
        config = fs::path(place.home) / ".config";
    } else {
        return {};
    }
    return (config / "vigilon" / fileName).string();
}

std::string SettingsPathForProcess(std::string_view fileName) {
    SettingsPlace place;
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (!ec) {
        place.exeFolder = exe.parent_path().string();
        place.exeFolderWritable = ::access(place.exeFolder.c_str(), W_OK) == 0;
        struct stat st {};
        place.exeFolderShared = ::stat(place.exeFolder.c_str(), &st) == 0 && (st.st_mode & S_IWOTH) != 0;
        place.fileInExeFolder = fs::exists(exe.parent_path() / fileName, ec);
        place.installed = fs::is_directory(exe.parent_path().parent_path() / "share/doc/vigilon", ec);
    }
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"))
        place.xdgConfigHome = xdg;
    if (const char* home = std::getenv("HOME"); home && *home) {
        place.home = home;
    } else if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir) {
        place.home = pw->pw_dir;
    }
    return ChooseSettingsPath(fileName, place);
}

}  // namespace platform::posix
