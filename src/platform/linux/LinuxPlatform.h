// The Linux platform's root: FLTK windows on X11, FLTK's timeouts for timers, POSIX for the rest.
// It owns one object per port; those that deal with our windows share one BackendState.
#pragma once

#include "platform/Platform.h"
#include "platform/linux/controls/LinuxControls.h"
#include "platform/linux/profile/LinuxSettingsFile.h"
#include "platform/linux/readings/LinuxReadings.h"
#include "platform/linux/system/LinuxSystem.h"
#include "platform/linux/wm/LinuxDesktop.h"
#include "platform/linux/x11/BackendState.h"
#include "platform/linux/x11/EventLoop.h"
#include "platform/linux/x11/LinuxWindows.h"

namespace platform::x11 {

class LinuxPlatform final : public Platform {
public:
    LinuxPlatform() = default;
    LinuxPlatform(const LinuxPlatform&) = delete;
    LinuxPlatform& operator=(const LinuxPlatform&) = delete;

    WindowPort& Windows() override { return windows_; }
    ControlPort& Controls() override { return controls_; }
    DesktopPort& Desktop() override { return desktop_; }
    LoopPort& Loop() override { return loop_; }
    ReadingsPort& Readings() override { return readings_; }
    SystemPort& System() override { return system_; }
    SettingsFilePort& SettingsFile() override { return settingsFile_; }

private:
    // Destroyed in the reverse order: the controls before the windows they sit in, the windows
    // before the loop.
    EventLoop loop_;
    BackendState state_;
    LinuxWindows windows_{state_};
    LinuxControls controls_{state_};
    LinuxDesktop desktop_{state_};
    LinuxReadings readings_;
    LinuxSystem system_{windows_, loop_};
    LinuxSettingsFile settingsFile_;
};

}  // namespace platform::x11
