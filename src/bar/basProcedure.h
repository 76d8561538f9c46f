// Physical memory figures, in bytes, one platform reading each.
#pragma once

#include <cstdint>

namespace basProcedure {

std::uint64_t GetTotalPhysMemory();
std::uint64_t GetAvailPhysMemory();

}  // namespace basProcedure
