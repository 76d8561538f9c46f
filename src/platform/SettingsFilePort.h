// Where the settings file lives. Reading and writing it is PrivateProfile.h's: those rules are the
// same for every file and every caller, so they stay free functions.
#pragma once

#include <string>
#include <string_view>

namespace platform {

class SettingsFilePort {
public:
    virtual ~SettingsFilePort() = default;

    // Where the settings file of this name lives (see the backend for the folder rule).
    virtual std::string SettingsFilePath(std::string_view fileName) = 0;
};

}  // namespace platform
