// The Win32 platform's root and CreatePlatform for Windows builds.
#include "platform/win32/Win32Platform.h"

#include "platform/win32/FormWindow.h"

namespace platform {

std::unique_ptr<Platform> CreatePlatform() {
    return std::make_unique<win32::Win32Platform>();
}

namespace win32 {

Win32Platform::Win32Platform() {
    loop_.SetPreTranslate(&FormWindow::PreTranslate);
}

}  // namespace win32
}  // namespace platform
