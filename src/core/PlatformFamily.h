// Which Windows family the program runs on, and the translucency that only some families allow.
#pragma once

#include <string>

#include "platform/Platform.h"

namespace core {

// "95", "98", "ME", "NT", "2K", "XP", or "" when not recognised.
extern std::string PlatformFamily;

std::string FamilyOf(const platform::OsVersion& v);
void DeterminePlatformFamily();

// Makes the window translucent by AppSettings.Trans on the families with layered windows.
void ApplyTransparency(platform::WindowHandle h);

}  // namespace core
