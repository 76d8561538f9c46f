// Physical memory figures.
#include "bar/basProcedure.h"

#include "platform/Platform.h"

namespace basProcedure {

std::uint64_t GetTotalPhysMemory() {
    return platform::Current().QueryMemoryStatus().totalPhys;
}
std::uint64_t GetAvailPhysMemory() {
    return platform::Current().QueryMemoryStatus().availPhys;
}

}  // namespace basProcedure
