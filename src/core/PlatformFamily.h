// Which Windows family the program runs on, and the translucency that only some systems allow.
#pragma once

#include <string>

#include "platform/Platform.h"

namespace core {

// "95", "98", "ME", "NT", "2K", "XP", or "" when not recognised.
extern std::string PlatformFamily;

std::string FamilyOf(const platform::OsVersion& v);
// Layered windows exist on every NT system from 5.0 (2000) on, and are assumed where the version
// query answers no Windows family at all (it failed, or the system is not Windows).
bool HasLayeredWindows(const platform::OsVersion& v);
void DeterminePlatformFamily();

// Makes the window translucent by AppSettings.Trans where the system has layered windows.
void ApplyTransparency(platform::WindowHandle h);

}  // namespace core
