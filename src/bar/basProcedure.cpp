// Physical memory figures, and the placement of other programs' windows.
#include "bar/basProcedure.h"

namespace basProcedure {

namespace {
platform::MemoryStatus memoryReading;
}

void ReadMemoryStatus() {
    memoryReading = platform::Readings().QueryMemoryStatus();
}
std::uint64_t GetTotalPhysMemory() {
    return memoryReading.totalPhys;
}
std::uint64_t GetAvailPhysMemory() {
    return memoryReading.availPhys;
}

std::int32_t GetPlacementState(platform::WindowHandle w, platform::PixelRect& rect) {
    if (w == 0)
        return 0;
    const platform::WindowPlacement placement = platform::Desktop().GetWindowPlacement(w);
    if (placement.showCmd == platform::kShowNormal)
        rect = placement.normalPosition;
    return placement.showCmd;
}

}  // namespace basProcedure
