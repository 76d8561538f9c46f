// The settings folder rule and the facts about this process that it needs.
#include "platform/linux/profile/SettingsPath.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>

namespace platform::posix {

namespace {

// folder/name with one separator between them (a folder that ends in one keeps it).
std::string Join(std::string_view folder, std::string_view name) {
    std::string path(folder);
    if (!path.empty() && path.back() != '/')
        path += '/';
    return path.append(name);
}

// The folder part of an absolute path: "/a/b" -> "/a", "/a" -> "/".
std::string ParentOf(std::string_view path) {
    while (path.size() > 1 && path.back() == '/')
        path.remove_suffix(1);
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string_view::npos)
        return {};
    std::string_view parent = path.substr(0, slash);
    while (parent.size() > 1 && parent.back() == '/')
        parent.remove_suffix(1);
    return std::string(parent.empty() ? "/" : parent);
}

std::string ExecutablePath() {
    char buffer[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer);
    return n > 0 && static_cast<std::size_t>(n) < sizeof buffer ? std::string(buffer, static_cast<std::size_t>(n))
                                                                : std::string();
}

}  // namespace

std::string ChooseSettingsPath(std::string_view fileName, const SettingsPlace& place) {
    if (!place.exeFolder.empty() && !place.exeFolderShared && !place.installed &&
        (place.exeFolderWritable || place.fileInExeFolder)) {
        return Join(place.exeFolder, fileName);
    }
    std::string config;
    if (!place.xdgConfigHome.empty() && place.xdgConfigHome.front() == '/') {
        config = place.xdgConfigHome;
    } else if (!place.home.empty() && place.home.front() == '/') {
        config = Join(place.home, ".config");
    } else {
        return {};
    }
    return Join(Join(config, "vigilon"), fileName);
}

std::string SettingsPathForProcess(std::string_view fileName) {
    SettingsPlace place;
    if (const std::string exe = ExecutablePath(); !exe.empty() && exe.front() == '/') {
        place.exeFolder = ParentOf(exe);
        place.exeFolderWritable = ::access(place.exeFolder.c_str(), W_OK) == 0;
        struct stat st {};
        place.exeFolderShared = ::stat(place.exeFolder.c_str(), &st) == 0 && (st.st_mode & S_IWOTH) != 0;
        // lstat: a link to a file on a mount that does not answer must not stop the start here.
        place.fileInExeFolder = ::lstat(Join(place.exeFolder, fileName).c_str(), &st) == 0;
        place.installed =
            ::stat(Join(ParentOf(place.exeFolder), "share/doc/vigilon").c_str(), &st) == 0 && S_ISDIR(st.st_mode);
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
