// Platform family from the version record, and window translucency where layered windows exist.
#include "core/PlatformFamily.h"

#include "core/AppSettings.h"

namespace core {

std::string PlatformFamily;

namespace {
bool g_layeredWindows = false;
}  // namespace

std::string FamilyOf(const platform::OsVersion& v) {
    switch (v.platformId) {
        case 1:
            if (v.minor < 10)
                return "95";
            return v.minor == 10 ? "98" : "ME";
        case 2:
            if (v.major == 3 || v.major == 4)
                return "NT";
            if (v.major == 5)
                return v.minor == 0 ? "2K" : "XP";
            return "";
        default:
            // A failed query reads as all zero and lands here too.
            return "XP";
    }
}

bool HasLayeredWindows(const platform::OsVersion& v) {
    switch (v.platformId) {
        case 1:
            return false;
        case 2:
            return v.major >= 5;
        default:
            return true;
    }
}

void DeterminePlatformFamily() {
    const platform::OsVersion v = platform::System().GetOsVersion();
    PlatformFamily = FamilyOf(v);
    g_layeredWindows = HasLayeredWindows(v);
}

void ApplyTransparency(platform::WindowHandle h) {
    if (!g_layeredWindows)
        return;
    if (AppSettings.Trans < 1 || AppSettings.Trans > 255)
        return;
    platform::Windows().SetTranslucency(h, static_cast<std::uint8_t>(AppSettings.Trans));
}

}  // namespace core
