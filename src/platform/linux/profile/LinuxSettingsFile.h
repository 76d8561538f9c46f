// The Linux settings-file port: beside the executable where that may be written, else in the user's
// configuration folder (SettingsPath.h has the rule).
#pragma once

#include "platform/SettingsFilePort.h"

namespace platform::x11 {

class LinuxSettingsFile final : public SettingsFilePort {
public:
    std::string SettingsFilePath(std::string_view fileName) override;
};

}  // namespace platform::x11
