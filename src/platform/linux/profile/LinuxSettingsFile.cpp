#include "platform/linux/profile/LinuxSettingsFile.h"

#include "platform/linux/profile/SettingsPath.h"

namespace platform::x11 {

std::string LinuxSettingsFile::SettingsFilePath(std::string_view fileName) {
    return posix::SettingsPathForProcess(fileName);
}

}  // namespace platform::x11
