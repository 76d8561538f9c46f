// The locale-free number conversion of the settings reads.
#include <cmath>
#include <cstdlib>
#include <string_view>

#include "core/basINIFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<std::int32_t> n = basINIFile::ParseLong(text);
    // A whole decimal number must come back as itself.
    if (n && basINIFile::ParseLong(std::to_string(*n)) != n)
        std::abort();
    return 0;
}
