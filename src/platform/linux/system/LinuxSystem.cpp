// The Linux system port: names, adapters and the system's description from POSIX and /proc, other
// programs started detached, and the single-instance lock.
#include "platform/linux/system/LinuxSystem.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "platform/linux/system/NetworkAdapters.h"
#include "platform/linux/system/ProgramStart.h"
#include "platform/linux/system/SingleInstance.h"
#include "platform/linux/system/SystemIdentity.h"

namespace platform::x11 {

std::string LinuxSystem::QueryComputerName() {
    return posix::QueryComputerName();
}

std::string LinuxSystem::QueryUserName() {
    return posix::QueryUserName();
}

OsVersion LinuxSystem::GetOsVersion() {
    return {};
}

// No Windows here: the OS text comes from the system's own description.
VersionRecord LinuxSystem::QueryVersionRecord() {
    return {};
}

std::string LinuxSystem::QuerySystemDescription() {
    return posix::QuerySystemDescription();
}

AdapterQuery LinuxSystem::QueryAdapters() {
    return posix::QueryAdapters();
}

std::string LinuxSystem::Utf8FromSystemCodePage(std::string_view bytes) {
    return posix::ValidUtf8(bytes);
}

std::optional<std::string> LinuxSystem::ReadRegistryString(std::string_view, std::string_view) {
    return std::nullopt;
}

std::optional<std::uint32_t> LinuxSystem::ReadRegistryDword(std::string_view, std::string_view) {
    return std::nullopt;
}

namespace {
std::string PathVariable() {
    const char* path = std::getenv("PATH");
    return path ? path : "";
}
}  // namespace

std::optional<std::string> LinuxSystem::FindSystemInfoTool() {
    return posix::FindOnPath(PathVariable(), {"hardinfo2", "hardinfo"});
}

bool LinuxSystem::StartProgram(std::string_view path) {
    return posix::StartDetached({std::string(path)});
}

std::string LinuxSystem::ReadmePath() {
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return posix::ReadmeFor(ec ? std::string() : exe.parent_path().string());
}

void LinuxSystem::OpenAddress(std::string_view address) {
    if (const std::optional<std::string> opener = posix::FindOnPath(PathVariable(), {"xdg-open"}))
        posix::StartDetached({*opener, std::string(address)});
}

bool LinuxSystem::AcquireSingleInstance(std::string_view name) {
    const posix::LockResult result =
        posix::AcquireInstanceLock(posix::LockNameForDisplay(name, std::getenv("DISPLAY")));
    if (result == posix::LockResult::NoPrivatePlace) {
        // Without a lock of our own a second bar could run; better not to start than to start twice.
        std::fprintf(stderr,
                     "vigilon: no private folder for the lock file (the one under the temporary folder "
                     "belongs to someone else); not starting\n");
        windows_.ShowMessageBox(
            "Vigilonを起動できません。\r\n起動中かどうかを確かめるためのロックファイルを置ける、"
            "自分専用のフォルダーがありません（一時フォルダーの vigilon-<ユーザーID> が他のユーザーのものです）。",
            "Vigilon", MessageIcon::Exclamation);
        loop_.ExitProcess(1);
    }
    return result == posix::LockResult::Acquired;
}

}  // namespace platform::x11
