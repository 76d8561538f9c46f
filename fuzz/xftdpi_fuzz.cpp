// The Xft.dpi value of the X resource database, which any client on the display may set.
#include <cstdlib>
#include <string_view>

#include "platform/linux/x11/XftDpi.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (const auto dpi = platform::x11::ParseDpi(text); dpi && (*dpi < 48 || *dpi > 480))
        std::abort();
    return 0;
}
