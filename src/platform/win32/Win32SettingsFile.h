// The Win32 settings-file port.
#pragma once

// windows.h before the platform headers, so that every unit sees the same DrawText.
#include <windows.h>

#include "platform/SettingsFilePort.h"

namespace platform::win32 {

class Win32SettingsFile final : public SettingsFilePort {
public:
    // The executable's folder, then "\", then fileName.
    std::string SettingsFilePath(std::string_view fileName) override;
};

}  // namespace platform::win32
