// Placeholder until the EWMH implementation lands.
#include "platform/linux/LinuxPlatform.h"

namespace platform::x11 {

void LinuxPlatform::Activate(WindowHandle) {}
WindowHandle LinuxPlatform::GetForegroundWindow() {
    return 0;
}
std::uint32_t LinuxPlatform::GetWindowStyle(WindowHandle) {
    return 0;
}
std::uint32_t LinuxPlatform::GetWindowExStyle(WindowHandle) {
    return 0;
}
bool LinuxPlatform::IsMinimized(WindowHandle) {
    return false;
}
WindowPlacement LinuxPlatform::GetWindowPlacement(WindowHandle) {
    return {};
}
int LinuxPlatform::GetSystemMetric(Metric, WindowHandle) {
    return 0;
}
void LinuxPlatform::ReleaseCapture() {}
void LinuxPlatform::DragMove(WindowHandle) {}
int LinuxPlatform::TrackPopupMenu(WindowHandle, const std::vector<std::string>&, PixelPoint) {
    return -1;
}

}  // namespace platform::x11
