// The Linux system port: POSIX names and interfaces, no Windows version and no registry, programs
// started detached, and a lock file for the single instance.
#pragma once

#include "platform/LoopPort.h"
#include "platform/SystemPort.h"
#include "platform/WindowPort.h"

namespace platform::x11 {

class LinuxSystem final : public SystemPort {
public:
    // A refused single-instance lock is told in a message box and ends the process.
    LinuxSystem(WindowPort& windows, LoopPort& loop) : windows_(windows), loop_(loop) {}

    std::string QueryComputerName() override;
    std::string QueryUserName() override;
    OsVersion GetOsVersion() override;
    VersionRecord QueryVersionRecord() override;
    std::string QuerySystemDescription() override;
    AdapterQuery QueryAdapters() override;
    std::string Utf8FromSystemCodePage(std::string_view bytes) override;
    std::optional<std::string> ReadRegistryString(std::string_view key, std::string_view value) override;
    std::optional<std::uint32_t> ReadRegistryDword(std::string_view key, std::string_view value) override;
    // The first of hardinfo2 and hardinfo on $PATH.
    std::optional<std::string> FindSystemInfoTool() override;
    bool StartProgram(std::string_view path) override;
    std::string ReadmePath() override;
    // xdg-open, detached; nothing when it is not installed.
    void OpenAddress(std::string_view address) override;
    // One bar per X display, as Windows has one per session.
    bool AcquireSingleInstance(std::string_view name) override;

private:
    WindowPort& windows_;
    LoopPort& loop_;
};

}  // namespace platform::x11
