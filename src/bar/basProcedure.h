// Physical memory figures, and the placement of another program's window.
#pragma once

#include <cstdint>

#include "platform/Platform.h"

namespace basProcedure {

// Takes one reading of the memory status (one query of the system). GetTotalPhysMemory and
// GetAvailPhysMemory answer from the latest reading, so the two figures always belong together;
// both are 0 before the first reading.
void ReadMemoryStatus();
std::uint64_t GetTotalPhysMemory();
std::uint64_t GetAvailPhysMemory();

// The window's show state (platform::kShowNormal, kShowMaximized, ...). For a normally shown window
// rect becomes its normal-position rectangle; otherwise rect is left as the caller set it.
// Window 0 gives 0 without asking the system.
std::int32_t GetPlacementState(platform::WindowHandle w, platform::PixelRect& rect);

}  // namespace basProcedure
