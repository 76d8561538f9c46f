// The Linux platform's system-information calls and the popup's window calls.
#include "platform/linux/x11/FormWindow.h"
#include "platform/linux/LinuxPlatform.h"
#include "platform/linux/system/NetworkAdapters.h"
#include "platform/linux/system/SystemIdentity.h"

namespace platform::x11 {

std::string LinuxPlatform::QueryComputerName() {
    return posix::QueryComputerName();
}

std::string LinuxPlatform::QueryUserName() {
    return posix::QueryUserName();
}

// No Windows here: the OS text comes from the system's own description.
VersionRecord LinuxPlatform::QueryVersionRecord() {
    return {};
}

std::string LinuxPlatform::QuerySystemDescription() {
    return posix::QuerySystemDescription();
}

AdapterQuery LinuxPlatform::QueryAdapters() {
    return posix::QueryAdapters();
}

std::string LinuxPlatform::Utf8FromSystemCodePage(std::string_view bytes) {
    return posix::ValidUtf8(bytes);
}

std::optional<std::string> LinuxPlatform::ReadRegistryString(std::string_view, std::string_view) {
    return std::nullopt;
}

std::optional<std::uint32_t> LinuxPlatform::ReadRegistryDword(std::string_view, std::string_view) {
    return std::nullopt;
}

void LinuxPlatform::ResizeWindow(WindowHandle w, int width, int height) {
    if (FormWindow* window = Find(w))
        window->ResizeOuter(width, height);
}

void LinuxPlatform::SetRoundedRegion(WindowHandle w, const PixelRect& r, int ellipseWidth, int ellipseHeight) {
    if (FormWindow* window = Find(w))
        window->SetRoundedShape(r, ellipseWidth, ellipseHeight);
}

void LinuxPlatform::SetNoActivate(WindowHandle w) {
    if (FormWindow* window = Find(w))
        window->RefuseFocus();
}

}  // namespace platform::x11
