// Windows entry point: the Win32 platform, then the bar.
#include <windows.h>

#include "app/AppWiring.h"
#include "platform/Platform.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const auto platform = platform::CreatePlatform();
    platform::Install(platform.get());
    const int code = app::Main();
    platform::Install(nullptr);
    return code;
}
