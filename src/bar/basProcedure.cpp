// Physical memory figures, and the geometry of other programs' windows from their styles and the
// system metrics.
#include "bar/basProcedure.h"

namespace basProcedure {

using platform::Metric;

namespace {
platform::MemoryStatus memoryReading;
}

void ReadMemoryStatus() {
    memoryReading = platform::Current().QueryMemoryStatus();
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
    const platform::WindowPlacement placement = platform::Current().GetWindowPlacement(w);
    if (placement.showCmd == platform::kShowNormal)
        rect = placement.normalPosition;
    return placement.showCmd;
}

void GetCaptionRect(platform::WindowHandle w, platform::PixelRect& rect) {
    platform::Platform& p = platform::Current();
    const std::uint32_t style = p.GetWindowStyle(w);
    const std::uint32_t exStyle = p.GetWindowExStyle(w);
    const bool sizing = (style & platform::kStyleThickFrame) != 0;
    const int fx = p.GetSystemMetric(sizing ? Metric::SizingFrameX : Metric::FixedFrameX, w);
    const int fy = p.GetSystemMetric(sizing ? Metric::SizingFrameY : Metric::FixedFrameY, w);
    const bool tool = (exStyle & platform::kExStyleToolWindow) != 0;
    const int caption = p.GetSystemMetric(tool ? Metric::SmallCaptionHeight : Metric::CaptionHeight, w);
    const platform::PixelRect outer = p.GetWindowRect(w);
    const int border = p.GetSystemMetric(Metric::BorderHeight, w);
    rect = {fx, fy, outer.Width() - fx, fy + caption - border};
}

}  // namespace basProcedure
