// The operating system as the program sees it: one root per process handing out the narrow ports.
// Exactly one backend (win32, linux or fake) implements them; CMake picks which one is linked.
#pragma once

#include <memory>

#include "platform/ControlPort.h"
#include "platform/DesktopPort.h"
#include "platform/LoopPort.h"
#include "platform/ReadingsPort.h"
#include "platform/SettingsFilePort.h"
#include "platform/SystemPort.h"
#include "platform/Types.h"
#include "platform/WindowPort.h"

namespace platform {

// The backend's ports, each living as long as the root.
class Platform {
public:
    virtual ~Platform() = default;
    virtual WindowPort& Windows() = 0;
    virtual ControlPort& Controls() = 0;
    virtual DesktopPort& Desktop() = 0;
    virtual LoopPort& Loop() = 0;
    virtual ReadingsPort& Readings() = 0;
    virtual SystemPort& System() = 0;
    virtual SettingsFilePort& SettingsFile() = 0;
};

// The backend chosen at build time.
std::unique_ptr<Platform> CreatePlatform();

// The process-wide platform, installed once by the entry point (or by a test).
Platform& Current();
void Install(Platform* p);

// The installed platform's ports.
inline WindowPort& Windows() {
    return Current().Windows();
}
inline ControlPort& Controls() {
    return Current().Controls();
}
inline DesktopPort& Desktop() {
    return Current().Desktop();
}
inline LoopPort& Loop() {
    return Current().Loop();
}
inline ReadingsPort& Readings() {
    return Current().Readings();
}
inline SystemPort& System() {
    return Current().System();
}
inline SettingsFilePort& SettingsFile() {
    return Current().SettingsFile();
}

// One round of window facts for the life of the object.
class WindowFactsRound {
public:
    WindowFactsRound() { Desktop().BeginWindowFacts(); }
    ~WindowFactsRound() { Desktop().EndWindowFacts(); }
    WindowFactsRound(const WindowFactsRound&) = delete;
    WindowFactsRound& operator=(const WindowFactsRound&) = delete;
};

}  // namespace platform
