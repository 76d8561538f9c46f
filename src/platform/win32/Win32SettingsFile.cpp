#include "platform/win32/Win32SettingsFile.h"

#include "platform/win32/ProcessServices.h"

namespace platform::win32 {

std::string Win32SettingsFile::SettingsFilePath(std::string_view fileName) {
    return FilePathBeside(ExecutablePath(), fileName);
}

}  // namespace platform::win32
