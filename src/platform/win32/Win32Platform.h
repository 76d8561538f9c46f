// The Win32 platform's root: one object per port over the form windows, the message loop and the
// process services of this folder. The window and control ports share the font cache.
#pragma once

#include <windows.h>

#include "platform/Platform.h"
#include "platform/win32/GdiCanvas.h"
#include "platform/win32/MessageLoop.h"
#include "platform/win32/Win32Controls.h"
#include "platform/win32/Win32Desktop.h"
#include "platform/win32/Win32Readings.h"
#include "platform/win32/Win32SettingsFile.h"
#include "platform/win32/Win32System.h"
#include "platform/win32/Win32Windows.h"

namespace platform::win32 {

class Win32Platform final : public Platform {
public:
    Win32Platform();
    Win32Platform(const Win32Platform&) = delete;
    Win32Platform& operator=(const Win32Platform&) = delete;

    WindowPort& Windows() override { return windows_; }
    ControlPort& Controls() override { return controls_; }
    DesktopPort& Desktop() override { return desktop_; }
    LoopPort& Loop() override { return loop_; }
    ReadingsPort& Readings() override { return readings_; }
    SystemPort& System() override { return system_; }
    SettingsFilePort& SettingsFile() override { return settingsFile_; }

private:
    // Destroyed in the reverse order: the form windows (with the owner) while the controls' records
    // and the fonts are still here.
    FontCache fonts_;
    MessageLoop loop_;
    Win32Controls controls_{fonts_};
    Win32Windows windows_{fonts_};
    Win32Desktop desktop_;
    Win32Readings readings_;
    Win32System system_;
    Win32SettingsFile settingsFile_;
};

}  // namespace platform::win32
